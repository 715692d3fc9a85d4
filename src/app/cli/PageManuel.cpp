#include "app/cli/Aide.h"
#include "app/cli/Commandes.h"

namespace {

// Text for roff: backslashes and dashes escaped, every character past ASCII named by its code, a
// leading dot or quote kept as text.
QString Roff(const QString& texte) {
    QString r;
    for (const QChar c : texte) {
        if (c == u'\\') r += QStringLiteral("\\e");
        else if (c == u'-') r += QStringLiteral("\\-");
        else if (c.unicode() > 0x7E) r += QStringLiteral("\\[u%1]").arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
        else r += c;
    }
    if (r.startsWith(u'.') || r.startsWith(u'\'')) r.prepend(QStringLiteral("\\&"));
    return r;
}
QString Roff(const char* texte) { return Roff(QString::fromUtf8(texte)); }

// ".TP" then the option in bold, its value in italics, and what it does.
QString RoffOptions(std::span<const DefinitionOption> options) {
    QString r;
    for (const DefinitionOption& d : options) {
        r += QStringLiteral(".TP\n");
        if (d.court) r += QStringLiteral("\\fB%1\\fR, ").arg(Roff(d.court));
        r += QStringLiteral("\\fB%1\\fR").arg(Roff(d.nom));
        if (!d.Switch()) r += QStringLiteral(" \\fI%1\\fR").arg(Roff(d.valeur));
        r += u'\n' + Roff(ExplicationOption(d)) + u'\n';
    }
    return r;
}

QString Explications(std::span<const Explication> explications) {
    QString r;
    for (const Explication& e : explications) r += QStringLiteral(".TP\n.B %1\n%2\n").arg(Roff(e.nom), Roff(e.aide));
    return r;
}

}  // namespace

QString PageManuel() {
    QString r = QStringLiteral(
        ".TH VELMOR 1 \"\" \"%1\" \"Commandes\"\n"
        ".SH NOM\n"
        "velmor \\- transcrit un texte en syllabes et le dessine en \\[u00E9]criture Velmor\n"
        ".SH SYNOPSIS\n"
        ".B velmor\n"
        ".RI [ OPTIONS ] \" \" [ FICHIER ]\n"
        ".br\n"
        ".B velmor\n"
        ".I COMMANDE\n"
        ".RI [ OPTIONS ] \" \" ARGUMENTS...\n"
        ".SH DESCRIPTION\n")
                    .arg(Roff(TexteVersion()));
    r += Roff(QStringLiteral(
             "Velmor transcrit un texte tapé (tumeli, français, anglais ou orthographe phonétique) en syllabes "
             "et dessine chaque syllabe comme un glyphe de l'écriture Velmor (ou Dorvane, en lettres latines ou "
             "en API) sur une grande image.")) +
         QStringLiteral("\n.PP\n") +
         Roff(QStringLiteral("Sans commande, velmor ouvre l'éditeur, avec FICHIER (une image ou un texte) s'il est "
                             "donné. Avec une commande, il travaille sans fenêtre : ses résultats vont sur la sortie "
                             "standard, ses messages sur la sortie d'erreur.")) +
         QStringLiteral("\n.SH OPTIONS\n") + RoffOptions(OptionsProgramme()) + QStringLiteral(".SH COMMANDES\n");
    for (const DefinitionCommande& c : TableCommandes()) {
        QString usage = QStringLiteral("velmor %1 [OPTIONS]").arg(QLatin1String(c.nom));
        if (*c.arguments) usage += u' ' + QString::fromUtf8(c.arguments);
        r += QStringLiteral(".SS \"%1\"\n%2\n").arg(Roff(usage), Roff(c.resume)) + RoffOptions(c.options);
    }
    r += QStringLiteral(".PP\n") + Roff(QStringLiteral("Chaque commande prend aussi :")) + u'\n' +
         RoffOptions(OptionsCommunes());
    r += QStringLiteral(".SH \"CODES DE SORTIE\"\n") + Explications(StatutsSortie()) +
         QStringLiteral(".SH ENVIRONNEMENT\n") + Explications(VariablesEnvironnement()) +
         QStringLiteral(".SH FICHIERS\n.TP\n.I Velmor.ini\n") +
         Roff(QStringLiteral("les réglages, dans le dossier du programme ; celui d'une copie installée est "
                             "~/.config/velmor.")) +
         QStringLiteral("\n.TP\n.I APABDIDS.TXT\n") + Roff(QStringLiteral("les tables des glyphes, avec Suffixes.TXT et les dictionnaires Fohms_*.TXT.")) +
         QStringLiteral("\n.SH EXEMPLES\n.EX\n") +
         Roff(QStringLiteral("velmor render \"sol tama vira lum\" --langue TU --taille 2 -o tama.png\n"
                             "velmor render -f texte.txt --ecriture latine --langue FR -o texte.pdf\n"
                             "velmor syllabes \"bonjour ami\" --langue PH\n")) +
         QStringLiteral(".EE\n");
    return r;
}
