#pragma once
// The drawing written out as vectors: SVG (one picture) and PDF (one page per picture), from the
// list of what was drawn on the surface. Strokes keep the coordinates the surface drew them at, so
// that the SVG rasterised at 1:1 without antialiasing covers the pixels of the bitmap. A figure
// left inverted, or cut by a shrinking of the picture, goes out as the pixels it left.

#include "base/ListeTraces.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class FichierSur;
class QPainter;
class QPdfWriter;
class Surface;

struct FeuilleVectorielle {
    QImage image;  // the pixels, for what cannot go out as vectors
    ListeTraces traces;
    Couleur fond = 0xFFFFFF;
};

FeuilleVectorielle FeuilleDe(const Surface& surface);

QByteArray DocumentSvg(const FeuilleVectorielle& feuille);
// Written whole or not at all; false when the file cannot be written.
bool EnregistrerSvg(const QString& fichier, const FeuilleVectorielle& feuille, QString* raison = nullptr);
bool EnregistrerPdf(const QString& fichier, const std::vector<FeuilleVectorielle>& feuilles, QString* raison = nullptr);

// A PDF written page after page, each page going to the file as it is added: a document of any
// length holds one page's figures at a time. The file takes the place of the previous one only at
// Finir; a document abandoned, dropped unfinished or failing leaves the previous file whole.
class DocumentPdf {
public:
    explicit DocumentPdf(const QString& fichier);
    ~DocumentPdf();
    DocumentPdf(const DocumentPdf&) = delete;
    DocumentPdf& operator=(const DocumentPdf&) = delete;

    bool AjouterPage(const FeuilleVectorielle& feuille);  // false once anything failed
    bool Finir(QString* raison = nullptr);                 // false for a document without pages
    void Abandonner();
    int Pages() const { return pages_; }

private:
    std::unique_ptr<FichierSur> fichier_;
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<QPainter> peintre_;
    int pages_ = 0;
};
