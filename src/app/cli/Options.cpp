#include "app/cli/Options.h"

#include "app/cli/Commandes.h"
#include "transcription/Marqueurs.h"

namespace {

const DefinitionOption* Trouver(std::span<const DefinitionOption> definitions, const QString& nom) {
    for (const DefinitionOption& d : definitions)
        if (nom == QLatin1String(d.nom) || (d.court && nom == QLatin1String(d.court))) return &d;
    return nullptr;
}

// "a, b ou c" from "a b c".
QString ListeChoix(const char* choix) {
    const QStringList c = QString::fromUtf8(choix).split(u' ', Qt::SkipEmptyParts);
    return c.size() < 2 ? c.join(QString()) : c.mid(0, c.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" ou ") + c.last();
}

// A word the parser takes for an option: a dash then a letter ("-o", "--taille"), not a number
// ("-5") nor a lone dash.
bool MotOption(const QString& a) { return a.size() > 1 && a[0] == u'-' && (a[1] == u'-' || a[1].isLetter()); }

}  // namespace

std::optional<Options> LireOptions(const QStringList& args, std::span<const DefinitionOption> definitions,
                                   QTextStream& erreurs) {
    Options o;
    o.commande = args.value(0);
    bool finOptions = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (finOptions || !MotOption(a)) {
            o.positions << a;
            continue;
        }
        if (a == u"--") {
            finOptions = true;
            continue;
        }
        const qsizetype egal = a.startsWith(u"--") ? a.indexOf(u'=') : -1;
        const QString nom = egal < 0 ? a : a.left(egal);
        const DefinitionOption* d = Trouver(definitions, nom);
        if (!d) {
            ErreurUsage(erreurs, o.commande, QStringLiteral("option inconnue « %1 »").arg(nom));
            return std::nullopt;
        }
        QString valeur;
        if (d->Switch()) {
            if (egal >= 0) {
                ErreurUsage(erreurs, o.commande, QStringLiteral("%1 ne prend pas de valeur").arg(nom));
                return std::nullopt;
            }
        } else if (egal >= 0) {
            valeur = a.mid(egal + 1);
        } else if (i + 1 < args.size() && !Trouver(definitions, args[i + 1].section(u'=', 0, 0))) {
            // The next word is the value unless it is one of the command's own options.
            valeur = args[++i];
        } else {
            ErreurUsage(erreurs, o.commande, QStringLiteral("%1 demande une valeur (%2)").arg(nom, QLatin1String(d->valeur)));
            return std::nullopt;
        }
        if (d->choix && !QString::fromUtf8(d->choix).split(u' ').contains(valeur, Qt::CaseInsensitive)) {
            ErreurUsage(erreurs, o.commande, QStringLiteral("%1 prend %2").arg(QLatin1String(d->nom), ListeChoix(d->choix)));
            return std::nullopt;
        }
        o.valeurs[QLatin1String(d->nom)] = valeur;
    }
    return o;
}

std::optional<Options> LireOptions(const QStringList& args, QTextStream& erreurs) {
    const DefinitionCommande* c = TrouverCommande(args.value(0));
    if (!c) {
        ErreurUsage(erreurs, {}, QStringLiteral("commande inconnue « %1 »").arg(args.value(0)));
        return std::nullopt;
    }
    return LireOptions(args, OptionsDe(*c), erreurs);
}

void ErreurUsage(QTextStream& erreurs, const QString& commande, const QString& message) {
    const QString velmor = commande.isEmpty() ? QStringLiteral("velmor") : QStringLiteral("velmor ") + commande;
    erreurs << velmor << " : " << message << " (voir « " << velmor << " --help »)" << Qt::endl;
}

void Erreur(QTextStream& erreurs, const QString& message) { erreurs << "velmor : " << message << Qt::endl; }

bool OptionNombre(const Options& o, const QString& nom, double defaut, double mini, double maxi, double& v,
                  QTextStream& erreurs) {
    v = defaut;
    if (!o.Drapeau(nom)) return true;
    bool ok = false;
    v = o.Valeur(nom).toDouble(&ok);
    if (ok && v >= mini && v <= maxi) return true;
    ErreurUsage(erreurs, o.commande, QStringLiteral("%1 prend un nombre de %2 à %3").arg(nom).arg(mini).arg(maxi));
    return false;
}

bool OptionLangue(const Options& o, int16_t& langue, QTextStream& erreurs) {
    const int code = LangueDuCode(o.Valeur(QStringLiteral("--langue")).toUpper());
    if (code < 0) {
        ErreurUsage(erreurs, o.commande, QStringLiteral("--langue prend TU, FR, EN ou PH"));
        return false;
    }
    langue = static_cast<int16_t>(code);
    return true;
}
