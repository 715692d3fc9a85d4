#include "app/cli/Commandes.h"
#include "support/ImpressionQt.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kTables = QStringLiteral(VELMOR_TEST_DATA "/tables");

struct Sortie {
    QString out, err;
    QTextStream so{&out}, se{&err};
    int Lancer(const QStringList& args) {
        const int r = ExecuterSousCommande(args, kTables, so, se);
        so.flush();
        se.flush();
        return r;
    }
};

TEST(CommandeRendu, WritesThePictureAndReportsMissingGlyphs) {
    QTemporaryDir dir;
    const QString png = dir.filePath("r.png");
    Sortie s;
    ASSERT_EQ(s.Lancer({"render", "ba bo ja", "--langue", "PH", "-o", png}), 0);
    QImage im(png);
    ASSERT_FALSE(im.isNull());
    EXPECT_EQ(im.width(), 1000);
    EXPECT_EQ(s.err.trimmed(), "Le caractère ''ja'' n'existe pas en Velmor...");
}

TEST(CommandeRendu, FilesThatCannotBeReadOrWritten) {
    QTemporaryDir dir;
    Sortie s;
    EXPECT_EQ(s.Lancer({"render", "-f", dir.filePath("absent.txt"), "--langue", "PH", "-o", dir.filePath("x.png")}), 1);
    EXPECT_EQ(s.Lancer({"render", "ba", "--langue", "PH", "-o", dir.filePath("absent/x.png")}), 1);
    EXPECT_EQ(s.Lancer({"render", "ba", "--langue", "XX", "-o", dir.filePath("x.png")}), 2);
    EXPECT_EQ(s.Lancer({"render", "ba", "--langue", "PH"}), 2);
}

TEST(CommandeRendu, AFullSurfaceStopsTheTextWithOneMessage) {
    QTemporaryDir dir;
    QFile f(dir.filePath("long.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4000; ++i) f.write("%TAI9 ba bo %saut\n");
    f.close();
    Sortie s;
    EXPECT_EQ(s.Lancer({"render", "-f", f.fileName(), "--langue", "PH", "-o", dir.filePath("x.png")}), 0);
    EXPECT_EQ(s.err.count(u'\n'), 1) << s.err.toStdString();
}

TEST(CommandeSyllabes, OneDottedWordALine) {
    Sortie s;
    ASSERT_EQ(s.Lancer({"syllabes", "bonjour ami, %od", "--langue", "PH"}), 0);
    EXPECT_EQ(s.out, "bo.n.jou.r\nA.mi\n!,\n");
}

}  // namespace
