#include "app/cli/Aide.h"
#include "support/Fichiers.h"
#include "support/ImpressionQt.h"
#include "support/Sortie.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using testing::AllOf;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

struct Resultat {
    int statut;
    QString out, err;
};

// The program run as a process, its standard input closed.
Resultat Lancer(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VELMOR_EXECUTABLE), args);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// An option name as the manual page writes it (dashes escaped).
QString EnRoff(const char* nom) { return QString::fromUtf8(nom).replace(u'-', QStringLiteral("\\-")); }

// Every option of every command is accepted by the parser and named in the command's help and in
// the manual page, and every option the commands' code reads is in the table.
TEST(LigneCommande, EveryOptionIsParsedAndInTheHelpAndTheManualPage) {
    const QString manuel = PageManuel();
    QStringList lues;
    for (const DefinitionCommande& c : TableCommandes()) {
        const QString aide = TexteAide(c);
        for (const DefinitionOption& d : OptionsDe(c)) {
            const QString nom = QString::fromUtf8(d.nom);
            lues << QString::fromUtf8(c.nom) + u' ' + nom;
            Sortie s;
            QStringList args{QString::fromUtf8(c.nom), nom};
            if (!d.Switch()) args << (d.choix ? QString::fromUtf8(d.choix).section(u' ', 0, 0) : QStringLiteral("1"));
            const auto o = LireOptions(args, s.se);
            ASSERT_TRUE(o) << c.nom << ' ' << d.nom << ' ' << s.err.toStdString();
            EXPECT_EQ(std::tuple(o->Drapeau(nom), o->positions), std::tuple(true, QStringList{})) << c.nom << ' ' << d.nom;
            EXPECT_TRUE(aide.contains(QRegularExpression(QStringLiteral("\n  (-., )?") + QRegularExpression::escape(nom) + QStringLiteral("[ \n]"))))
                << c.nom << ' ' << d.nom;
            EXPECT_TRUE(manuel.contains(QStringLiteral("\\fB") + EnRoff(d.nom) + QStringLiteral("\\fR"))) << c.nom << ' ' << d.nom;
        }
    }
    for (const DefinitionOption& d : OptionsProgramme()) {
        lues << u' ' + QString::fromUtf8(d.nom);
        EXPECT_TRUE(TexteAide().contains(QString::fromUtf8(d.nom))) << d.nom;
        EXPECT_TRUE(manuel.contains(QStringLiteral("\\fB") + EnRoff(d.nom) + QStringLiteral("\\fR"))) << d.nom;
    }
    // The options the commands read, from their source.
    const QRegularExpression litteral(QStringLiteral("QStringLiteral\\(\"(--?[a-z][a-z-]*)\"\\)"));
    for (QDirIterator it(QStringLiteral(VELMOR_SOURCE_DIR "/app/cli"), {"Commande*.cpp", "Editeur.cpp"}); it.hasNext();) {
        QFile f(it.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(f.readAll());
        for (auto m = litteral.globalMatch(source); m.hasNext();) {
            const QString option = m.next().captured(1);
            bool connue = false;
            for (const QString& l : lues) connue |= l.endsWith(u' ' + option);
            EXPECT_TRUE(connue) << option.toStdString() << " read by " << it.fileName().toStdString();
        }
    }
}

// Misuse: one line on stderr naming the fault and the help, status 2, nothing done; no option takes
// the next option as its value.
TEST(LigneCommande, MisuseIsOneLineWithStatus2) {
    QTemporaryDir dir;
    const QString png = dir.filePath("x.png");
    const std::pair<QStringList, QString> cas[] = {
        {{"--frobnicate"}, "velmor : option inconnue « --frobnicate » (voir « velmor --help »)"},
        {{"rendre"}, "velmor : commande inconnue « rendre » (voir « velmor --help »)"},
        {{"render", "tama", "--frobnicate", "-o", png}, "velmor render : option inconnue « --frobnicate » (voir « velmor render --help »)"},
        {{"render", "tama", "--langue", "-o", png}, "velmor render : --langue demande une valeur (LANGUE) (voir « velmor render --help »)"},
        {{"render", "tama", "--langue", "DE", "-o", png}, "velmor render : --langue prend TU, FR, EN ou PH (voir « velmor render --help »)"},
        {{"render", "tama", "--taille=0", "-o", png}, "velmor render : --taille prend un nombre de 1 à 50 (voir « velmor render --help »)"},
        {{"render", "--relief=1", "tama", "-o", png}, "velmor render : --relief ne prend pas de valeur (voir « velmor render --help »)"},
        {{"render", "tama"}, "velmor render : il faut un TEXTE ou -f FICHIER, et -o FICHIER (voir « velmor render --help »)"},
    };
    for (const auto& [args, message] : cas) {
        const Resultat r = Lancer(args);
        EXPECT_EQ(std::tuple(r.statut, r.err, r.out), std::tuple(2, message + u'\n', QString())) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));
}

// --help and --version on stdout with status 0; "--" lets a text begin with a dash; a file named
// on the command line is left to the editor.
TEST(LigneCommande, HelpVersionAndWordsLeftAlone) {
    for (const QStringList& args : {QStringList{"--help"}, {"-h"}, {"render", "--help"}, {"specimen", "-h", "-o", "x.png"}}) {
        const Resultat r = Lancer(args);
        EXPECT_EQ(std::tuple(r.statut, r.err), std::tuple(0, u""_s)) << args.join(' ').toStdString();
        EXPECT_THAT(r.out.toStdString(), AllOf(StartsWith("Usage : velmor"), HasSubstr("Codes de sortie :")));
    }
    const Resultat v = Lancer({"--version"});
    EXPECT_EQ(std::tuple(v.statut, v.out), std::tuple(0, TexteVersion() + u'\n'));
    Sortie s;
    ASSERT_EQ(s.Lancer({"syllabes", "--langue", "PH", "--", "-ba"}, QStringLiteral(VELMOR_TEST_DATA "/tables")), 0) << s.err.toStdString();
    EXPECT_EQ(s.Lignes(), QStringList{"ba"});
    QTemporaryDir dir;
    Sortie t;
    for (const QStringList& args : {QStringList{dir.path()}, {"--dossier", dir.path(), "image.png"}, {}})
        EXPECT_EQ(LigneSansCommande(args, t.so, t.se), std::nullopt) << args.join(' ').toStdString();
    EXPECT_EQ(std::tuple(t.out, t.err), std::tuple(u""_s, u""_s));
}

// The manual page renders without a warning; the completion script completes commands, options,
// values and files.
TEST(LigneCommande, ManualPageAndCompletionWork) {
    QTemporaryDir dir;
    const QString page = dir.filePath("velmor.1");
    ASSERT_TRUE(EcrireFichier(page, PageManuel().toUtf8()));
    if (!QStandardPaths::findExecutable("groff").isEmpty()) {
        QProcess g;
        g.start("groff", {"-ww", "-z", "-man", "-Kutf8", page});
        ASSERT_TRUE(g.waitForFinished());
        EXPECT_EQ(std::tuple(g.exitCode(), g.readAllStandardError()), std::tuple(0, QByteArray()));
    }
    const QString bashCompletion = QStringLiteral("/usr/share/bash-completion/bash_completion");
    if (!QFile::exists(bashCompletion)) GTEST_SKIP() << "bash-completion is not installed";
    ASSERT_TRUE(EcrireFichier(dir.filePath("velmor"), CompletionBash().toUtf8()));
    ASSERT_TRUE(EcrireFichier(dir.filePath("texte.txt"), {}));
    // Each line: the words typed, the last one being completed; then what is offered.
    const std::pair<QString, QString> cas[] = {
        {"velmor ren", "render"},
        {"velmor render --ecr", "--ecriture --ecrans"},
        {"velmor render --ecriture ", "velmor dorvane latine api"},
        {"velmor syllabes --langue ", "TU FR EN PH"},
        {"velmor render -f te", "texte.txt"},
        {"velmor specimen --ecriture=d", "dorvane"},
        {"velmor --v", "--version"},
    };
    for (const auto& [ligne, attendu] : cas) {
        QProcess b;
        b.setWorkingDirectory(dir.path());
        const QString script = QStringLiteral(
            "source %1; source ./velmor; COMP_LINE='%2'; COMP_POINT=${#COMP_LINE}; read -ra COMP_WORDS <<< \"$COMP_LINE\"; "
            "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=(''); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _velmor; echo \"${COMPREPLY[*]}\"")
                                   .arg(bashCompletion, ligne);
        b.start("bash", {"-c", script});
        ASSERT_TRUE(b.waitForFinished());
        EXPECT_EQ(QString::fromUtf8(b.readAllStandardOutput()).trimmed(), attendu) << ligne.toStdString() << b.readAllStandardError().toStdString();
    }
}

}  // namespace
