// The folders of src/ stack in one order: a folder includes only its own headers and those of the
// folders below it, and the core folders include no header of the widget modules.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QStringList kCouches = {"base", "config", "drawing", "layout", "transcription", "outputs", "app"};
const int kApp = kCouches.indexOf("app");

struct Inclusion {
    QString fichier;  // relative to src/
    QString cible;    // as written between the quotes or brackets
    bool projet;      // "…" rather than <…>
};

std::vector<Inclusion> Inclusions(const QString& racine) {
    static const QRegularExpression re(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Inclusion> r;
    QDirIterator it(racine, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        QFile f(chemin);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString relatif = QDir(racine).relativeFilePath(chemin);
        while (!f.atEnd()) {
            const auto m = re.match(QString::fromUtf8(f.readLine()));
            if (m.hasMatch()) r.push_back({relatif, m.captured(2), m.captured(1) == "\""});
        }
    }
    return r;
}

QString Dossier(const QString& chemin) { return chemin.section(u'/', 0, 0); }

// The names of the headers of the widget and printing modules.
QSet<QString> EntetesWidgets() {
    QSet<QString> r;
    const QString entetes = QLibraryInfo::path(QLibraryInfo::HeadersPath);
    for (const char* module : {"QtWidgets", "QtPrintSupport", "QtOpenGLWidgets"}) {
        r.insert(module);
        for (const QString& n : QDir(entetes + u'/' + QLatin1String(module)).entryList(QDir::Files)) {
            r.insert(n);
            r.insert(QLatin1String(module) + u'/' + n);
        }
    }
    return r;
}

TEST(Couches, EachFolderIncludesOnlyItselfAndTheFoldersBelow) {
    const std::vector<Inclusion> inclusions = Inclusions(VELMOR_SOURCE_DIR);
    ASSERT_GT(inclusions.size(), 100u);
    int projet = 0;
    for (const Inclusion& i : inclusions) {
        const QString de = Dossier(i.fichier);
        ASSERT_TRUE(kCouches.contains(de)) << i.fichier.toStdString() << ": its folder has no place in the order";
        if (!i.projet) continue;
        ++projet;
        const QString vers = i.cible.contains(u'/') ? Dossier(i.cible) : de;
        ASSERT_TRUE(kCouches.contains(vers)) << i.fichier.toStdString() << " includes " << i.cible.toStdString();
        EXPECT_LE(kCouches.indexOf(vers), kCouches.indexOf(de))
            << i.fichier.toStdString() << " (" << de.toStdString() << ") includes " << i.cible.toStdString()
            << ", a folder above it";
    }
    EXPECT_GT(projet, 100);
}

TEST(Couches, TheCoreIncludesNoWidgetHeader) {
    const QSet<QString> widgets = EntetesWidgets();
    ASSERT_TRUE(widgets.contains("QWidget"));
    ASSERT_TRUE(widgets.contains("QPrinter"));
    for (const Inclusion& i : Inclusions(VELMOR_SOURCE_DIR))
        if (kCouches.indexOf(Dossier(i.fichier)) < kApp)
            EXPECT_FALSE(widgets.contains(i.cible)) << i.fichier.toStdString() << " includes " << i.cible.toStdString();
}

}  // namespace
