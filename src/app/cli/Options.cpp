#include "app/cli/Options.h"

std::optional<Options> LireOptions(const QStringList& args, const QStringList& drapeaux, QTextStream& erreurs) {
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(u'-') && a.size() > 1 && !a[1].isDigit()) {
            if (drapeaux.contains(a)) {
                o.valeurs[a] = QString();
            } else if (i + 1 < args.size()) {
                o.valeurs[a] = args[++i];
            } else {
                erreurs << "velmor: " << a << " needs a value" << Qt::endl;
                return std::nullopt;
            }
        } else {
            o.positions << a;
        }
    }
    return o;
}

bool OptionNombre(const Options& o, const QString& nom, double defaut, double mini, double maxi, double& v,
                  QTextStream& erreurs) {
    v = defaut;
    if (!o.Drapeau(nom)) return true;
    bool ok = false;
    v = o.Valeur(nom).toDouble(&ok);
    if (ok && v >= mini && v <= maxi) return true;
    erreurs << "velmor: " << nom << " takes a number from " << mini << " to " << maxi << Qt::endl;
    return false;
}

bool OptionLangue(const Options& o, int16_t& langue, QTextStream& erreurs) {
    static const QStringList kLangues = {QStringLiteral("TU"), QStringLiteral("FR"), QStringLiteral("EN"),
                                         QStringLiteral("PH")};
    const qsizetype i = kLangues.indexOf(o.Valeur(QStringLiteral("--langue")).toUpper());
    if (i < 0) {
        erreurs << "velmor: --langue takes TU, FR, EN or PH" << Qt::endl;
        return false;
    }
    langue = static_cast<int16_t>(i);
    return true;
}
