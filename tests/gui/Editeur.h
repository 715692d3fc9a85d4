#pragma once
// The main window started over the test tables in a folder of its own, its dialogs and message boxes
// answered by the test.

#include "gui/FenetreDemarree.h"
#include "support/Fichiers.h"
#include "support/ImpressionQt.h"
#include "transcription/Transcrire.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <gtest/gtest.h>

// The window started over the test tables in a folder of its own, phonetic input, relief off.
struct Editeur : FenetreDemarree<HorlogeMuette> {
    // `programme`: another program folder than the fixture's own.
    explicit Editeur(QSize taille = {1000, 700}, const QString& programme = {}) {
        CopierTables(dossier.path());
        fenetre.FixerChoixFichier([this](bool, const QString&, const QString& depart) {
            departs << depart;
            return fichierChoisi;
        });
        QObject::connect(&fenetre, &FenetrePrincipale::AvantEcritureParametres, [this] { ++ecritures; });
        Demarrer(programme);
        ctx->etat.Relief = false, ctx->etat.ProfondeurRelief = 0, ctx->etat.Langue = 3, ctx->etat.EtatFenetre = 0;
        fenetre.Relier(*ctx);
        fenetre.resize(taille);
        fenetre.show();
        QApplication::processEvents();
    }
    void Ecrire(const QString& texte) {
        ctx->etat.Tampon = texte;
        Transcrire(*ctx);
    }
    void Declencher(const char* nom) {
        QAction* a = fenetre.Action(QLatin1String(nom));
        ASSERT_NE(a, nullptr) << nom;
        a->trigger();
    }
    // A mouse event on the picture's view, at a view position.
    void Souris(QEvent::Type t, QPointF p, Qt::MouseButton b = Qt::LeftButton, Qt::MouseButtons tenus = Qt::LeftButton) {
        QWidget* vue = fenetre.findChild<QScrollArea*>(QStringLiteral("Pic"))->widget();
        QMouseEvent ev(t, p, vue->mapToGlobal(p), b, tenus, Qt::NoModifier);
        QCoreApplication::sendEvent(vue, &ev);
    }
    // A drag with the left button: pressed at the first point, moved through the others, released at the last.
    void Glisser(std::initializer_list<QPointF> points) {
        Souris(QEvent::MouseButtonPress, *points.begin());
        for (auto p = points.begin() + 1; p != points.end(); ++p) Souris(QEvent::MouseMove, *p, Qt::NoButton);
        Souris(QEvent::MouseButtonRelease, *(points.end() - 1), Qt::LeftButton, Qt::NoButton);
    }
    int EncreMaxX() const {
        int m = -1;
        const QImage i = surface.Image();
        for (int y = 0; y < i.height(); ++y)
            for (int x = i.width() - 1; x > m; --x)
                if (i.pixel(x, y) != surface.FondRgb()) m = x;
        return m;
    }

    QString fichierChoisi;
    QStringList departs;  // where each file dialog started
    int ecritures = 0;
};

