#include "outputs/LotPrononciation.h"

#include "base/Contexte.h"
#include "base/EcritureSure.h"
#include "base/Texte8Bits.h"

#include <algorithm>

namespace {

bool Ascii(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }

// A name the command interpreter reads as plain text: accents taken off, ASCII letters and digits
// kept, every other run of characters one "_", none at either end.
QString NomSur(const QString& texte) {
    QString r;
    for (const QChar c : texte.normalized(QString::NormalizationForm_D)) {
        if (Ascii(c)) r += c;
        else if (c.category() == QChar::Mark_NonSpacing) continue;
        else if (!r.isEmpty() && !r.endsWith(u'_')) r += u'_';
    }
    while (r.endsWith(u'_')) r.chop(1);
    return r;
}

bool ContientLettre(const QString& t) {
    return std::any_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); });
}

bool Voyelle(QChar c) { return QStringView(u"aeiouy").contains(c); }

// The typed word trimmed: no space around it, no leading quote, no trailing character that is not a
// letter.
QString MotNettoye(const QString& tampon) {
    QString w = tampon.trimmed();
    if (w.startsWith(u'\'') || w.startsWith(u'`')) w.remove(0, 1);
    while (!w.isEmpty() && !EstLettre(w.right(1))) w.chop(1);
    return w;
}

// A line the command interpreter reads as a comment and nothing else: "REM " and the text, its
// control characters made spaces, every operator escaped by "^" and every "%" doubled.
QString Remarque(const QString& texte) {
    QString r = QStringLiteral("REM ");
    for (const QChar c : texte) {
        if (c.unicode() < 32) {
            r += u' ';
        } else if (c == u'%') {
            r += QStringLiteral("%%");
        } else {
            if (QStringView(u"^<>|&()\"!").contains(c)) r += u'^';
            r += c;
        }
    }
    return r;
}

// The lines of one word added whole and synced, so the file is complete whenever the user runs it.
// When they cannot be, the batch stays as it was and takes no later line: a word missing in the
// middle would go unnoticed.
void Ecrire(Contexte& ctx, const QStringList& lignes) {
    if (ctx.FichierSon.isEmpty() || lignes.isEmpty()) return;
    QString raison;
    if (AjouterFichierSur(ctx.FichierSon, Vers1252(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")), &raison))
        return;
    ctx.FichierSon.clear();
    ctx.fenetre.Information(QStringLiteral("Impossible d'enregistrer :") + QChar(13) + raison);
}

}  // namespace

bool EstLettre(const QString& texte) {
    if (texte.isEmpty()) return false;
    const QChar c = texte[0].toLower();
    return c >= u'a' && c <= u'z';
}

QStringList LignesSon(const QString& syllabes, const QString& mot) {
    QString c, s;
    for (const QString& element : syllabes.split(u'.')) {
        if (element.isEmpty() || element == u"+" || element.startsWith(u'!')) continue;
        // Signs, stress marks and bars name no recording.
        const QString e = NomSur(element);
        if (e.isEmpty()) continue;
        c += (Voyelle(e[0]) ? QString() : QStringLiteral(".mp3 /B + ")) + e;
        s += e;
    }
    c = c.toLower();
    if (c.startsWith(u".mp3 /b + ")) c.remove(0, 10);
    const QString w = NomSur(MotNettoye(mot));
    if (s.trimmed().isEmpty() || !ContientLettre(w)) return {};
    c = QStringLiteral("COPY ") + c + QStringLiteral(".mp3 /b + Sig0.mp3 /b ") + u' ' +
        QStringLiteral("C:\\kestr\\Fohms\\MOTS\\") + w + QStringLiteral(".mp3 /b");
    c.replace(QStringLiteral(".mp3 /b"), QStringLiteral(".MP3 /B"));
    return {QStringLiteral("REM :  ") + w, c};
}

void EcritLigneSon(Contexte& ctx, const QString& syllabes) {
    const int mode = ctx.etat.ModeSon;
    if (mode <= 0) return;
    if (mode == 1) {
        Ecrire(ctx, {Remarque(ctx.etat.TextePointe)});
        return;
    }
    Ecrire(ctx, LignesSon(syllabes, ctx.etat.TamponSon));
}

void EcrireLotPrononciation(Contexte& ctx) { EcritLigneSon(ctx, ctx.etat.TextePointe); }
