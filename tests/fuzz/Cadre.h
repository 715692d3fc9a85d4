#pragma once
// What every fuzz target shares: a GUI application on the offscreen platform, a program context
// over a small surface with a silent window and a clock that never waits, and a byte reader that
// splits the input into the parameters and text of one run.

#include "support/Banc.h"

#include <QGuiApplication>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

inline void DemarrerApplication() {
    static int argc = 1;
    static char nom[] = "velmor_fuzz";
    static char* argv[] = {nom, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    static QGuiApplication app(argc, argv);
}

struct Application {
    Application() { DemarrerApplication(); }
};

// A context over a small surface; `dossier` is its program folder. The application starts with the
// first one.
struct Cadre : Application, Banc {
    explicit Cadre(int largeur = 64, int hauteur = 48, QString dossier = {}) : Banc(largeur, hauteur, std::move(dossier)) {}
};

// Reads parameter bytes from the front of the input; the rest is the text.
class Octets {
public:
    Octets(const std::uint8_t* donnees, std::size_t taille) : p_(donnees), fin_(donnees + taille) {}
    std::uint8_t Octet() { return p_ < fin_ ? *p_++ : 0; }
    QByteArray Reste() const { return QByteArray(reinterpret_cast<const char*>(p_), fin_ - p_); }
    QString Latin1() const { return QString::fromLatin1(Reste()); }

private:
    const std::uint8_t* p_;
    const std::uint8_t* fin_;
};

// A folder of its own for the targets that read files.
inline const QString& DossierTemporaire() {
    DemarrerApplication();
    static QTemporaryDir dossier;
    static const QString chemin = dossier.path();
    return chemin;
}
