#pragma once
// The screens of a text written to files as they fill, nothing of a written screen kept: numbered
// pictures (FILE-01.png, FILE-02.png, ...; the numbers widen to FILE-001.png and on when the
// hundredth screen comes, the files written before renamed), numbered SVG files, or one PDF with a
// page per screen, written page after page. A text of one screen goes to FILE itself.
// Each screen's picture is taken off the surface as it is (the surface gets a sheet cleared
// beforehand) and coded on helper threads while the writing goes on; a few screens at most wait.

#include "base/Contexte.h"
#include "outputs/ExportVectoriel.h"

#include <QImage>
#include <QSemaphore>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class EcritureEcrans : public RecepteurEcrans {
public:
    // `destination`'s extension chooses the kind: "pdf", "svg", or a picture format ("bmp" without
    // one). `rogner`: each screen cut down to its drawing and the usual blank right and below.
    EcritureEcrans(const QString& destination, bool rogner);
    ~EcritureEcrans() override;

    void Prendre(Surface& surface, int numero) override;

    // Writes `reste` (the surface, when it holds the text's last screen; null when it does not) and
    // waits for every file. False when a file could not be written: Echec() names it and why.
    bool Finir(const Surface* reste);
    // Stops: no more screens coded; a PDF is dropped, the previous file left whole.
    void Abandonner();

    int Ecrans() const { return ecrans_; }  // screens taken so far
    QStringList Noms() const;               // the files of the screens, in order, once finished
    QString Echec() const;

private:
    struct Ecran;
    // Codes and writes a screen to `nom` (a PDF page); false when its file failed.
    bool Ecrire(const Ecran& ecran, const QString& nom, QString* raison);
    QString Nom(int numero) const;
    void Elargir(int jusque);  // one more digit in the numbers: the files 1 to `jusque` renamed
    void Echouer(const QString& nom);
    void Rendre(Ecran& ecran);  // the picture cleared where drawn on, back to the sheets

    const QString destination_;
    QString base_, suffixe_;
    QByteArray format_;  // picture format; empty for the vector kinds
    const bool rogner_;
    bool pdf_ = false;
    int chiffres_ = 2;
    int ecrans_ = 0;
    bool fini_ = false;
    std::unique_ptr<DocumentPdf> document_;

    mutable std::mutex verrou_;  // guards the members below
    std::vector<QImage> feuilles_;  // pictures given back, cleared
    QString echec_;

    std::atomic<bool> arret_{false};
    QSemaphore places_;  // screens that may wait for their coding
    QThreadPool ouvriers_;
};
