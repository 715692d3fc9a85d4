#pragma once
// Every file the program writes goes through here, written whole or not at all. The content goes to
// a temporary file beside the target ("NAME.velmor-partiel-PID-XXXXXX"), every step checked (each
// write, the last flush, the sync to the disk, the replacement); the temporary file replaces the
// target only once all of them succeeded. A write that fails (a full disk) leaves the previous file
// as it was and no temporary file behind; those a killed program left are removed at the next write
// of the same name. A link at the target is replaced by the file, never written through.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

// A file being written piece by piece (a document page after page): Valider puts it in place once
// everything was written, every step checked; a file dropped without it, or abandoned, leaves the
// previous one whole and no temporary file.
class FichierSur {
public:
    explicit FichierSur(const QString& fichier);
    ~FichierSur();
    FichierSur(const FichierSur&) = delete;
    FichierSur& operator=(const FichierSur&) = delete;

    bool Ouvert() const;
    QIODevice& Appareil();
    // False when any write failed or the file cannot replace the previous one (`raison` says why).
    bool Valider(QString* raison = nullptr);
    void Abandonner();

private:
    struct Etat;
    std::unique_ptr<Etat> e_;
};

// `ecrire` writes the content to the device; returning false abandons the write. On failure,
// `raison` (when given) receives the file's name and why, for a message.
bool EcrireFichierSur(const QString& fichier, const std::function<bool(QIODevice&)>& ecrire, QString* raison = nullptr);
bool EcrireFichierSur(const QString& fichier, const QByteArray& contenu, QString* raison = nullptr);

// Adds `contenu` at the end of `fichier` (created when missing) and syncs it to the disk; when any
// step fails the file is cut back to its previous length.
bool AjouterFichierSur(const QString& fichier, const QByteArray& contenu, QString* raison = nullptr);

// The steps of a write, in order (an addition has no flush nor replacement).
enum class EtapeEcriture { Ouverture, Ecriture, Vidage, Synchronisation, Remplacement };

// Gives a written file another name, replacing a file of that name at once; false (both files as
// they were) when it cannot.
bool RenommerFichierSur(const QString& ancien, const QString& nouveau);

// For tests: asked before each step of every write (each write to the disk for Ecriture); returning
// true makes that step fail as on a full disk. An empty function removes the hook.
using PanneEcriture = std::function<bool(EtapeEcriture etape, const QString& fichier)>;
void FixerPanneEcriture(PanneEcriture panne);
