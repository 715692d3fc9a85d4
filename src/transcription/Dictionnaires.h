#pragma once
// Pronunciation dictionaries: 8-bit files of entries "key;value", read with the field reader of the
// data files (an entry ends at a comma or a line end; a quoted entry runs to the next quote).
// A lookup gives what reading the file from the top would give: the value of the first entry whose
// key (everything before the first ";", not trimmed) equals the word without regard to case; the
// value is trimmed of spaces; blank entries are ignored. Each file is read once and read again when
// its time or size on disk changes. Their folders are watched (inotify): a lookup asks the disk
// again only after a change there was announced, and the announcements are read once per pass
// (`NouvellePasse`), so an edited file is read again before the next word is prepared. A text
// written in one go (a paste, a `Passe`) reads them at its first word, then every 50 ms.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

struct Contexte;

// One dictionary, held as its file's bytes with an index of its first entry per key.
class Dictionnaire {
public:
    struct Resultat {
        bool trouve = false;
        QString valeur;
        int entree = 0;  // entry number (from 0) of the match
    };
    // An entry that is not blank and has no ";".
    struct Defaut {
        int entree;
        QString texte;
    };

    // Replaces the content with the entries of a file's bytes (Windows-1252).
    void Charger(QByteArray octets);
    Resultat Chercher(QStringView cle) const;
    int NombreCles() const { return cles_; }
    // Some key begins with "h": the file keys an h-word under its own spelling, so that a key
    // "ph..." in it is a word written so, never an h-word keyed the old way.
    bool ClesH() const { return clesH_; }
    const std::vector<Defaut>& Defauts() const { return defauts_; }
    // A file holding a byte no text holds is damaged, no dictionary: it gives no match. The line
    // (from 1) of that byte and its text; 0 for a text.
    int LigneEndommagee() const { return ligneEndommagee_; }
    const QString& TexteEndommage() const { return texteEndommage_; }

private:
    struct Entree {
        std::uint32_t cle, longueurCle, valeur, longueurValeur, numero, empreinte;
    };
    QByteArray octets_;             // the file, keys lower-cased in place
    std::vector<Entree> entrees_;   // every entry, in file order
    std::vector<std::uint32_t> cases_;  // open addressing: index in entrees_ + 1; 0 empty
    std::uint32_t masque_ = 0;
    int cles_ = 0;
    bool clesH_ = false;
    std::vector<Defaut> defauts_;
    int ligneEndommagee_ = 0;
    QString texteEndommage_;
    // The last answers by key, one per slot: prose repeats its common words, and an answer kept
    // here reads nothing of the large index. Emptied with the content.
    static constexpr int kCleRecente = 22, kRecents = 512;
    struct Recent {
        std::uint32_t empreinte = 0;
        std::uint8_t longueur = 0;  // 0: an empty slot
        char cle[kCleRecente];
        Resultat resultat;
    };
    mutable std::vector<Recent> recents_;  // made at the first lookup
};

// The dictionaries of the program folder, by file name.
class Dictionnaires {
public:
    Dictionnaires();
    ~Dictionnaires();
    Dictionnaires(const Dictionnaires&) = delete;
    Dictionnaires& operator=(const Dictionnaires&) = delete;

    // Takes in the changes announced since the last pass: each file changed, created, replaced or
    // removed is checked on disk at its next lookup. One call a word prepared.
    void NouvellePasse();

    // While one lives, the words belong to one text written in one go: the announcements are read
    // at its first word and again only once 50 ms have passed, not at every word.
    class Passe {
    public:
        explicit Passe(Dictionnaires& d) : d_(d) {
            if (d_.passesOuvertes_++ == 0) d_.luDansPasse_ = false;
        }
        ~Passe() { --d_.passesOuvertes_; }
        Passe(const Passe&) = delete;
        Passe& operator=(const Passe&) = delete;

    private:
        Dictionnaires& d_;
    };

    // Looks `cle` up in the file `nom` of the program folder, first reading or re-reading the file
    // when it is new or changed on disk. `ancienneCleH`: `cle` is an h-word's old key "ph...", which
    // only a file without h keys answers (ClesH). A missing or unreadable file gives no match. The message
    // "Erreur dans ''<nom>'' : Ligne <entry>" of each malformed entry that a reading from the top
    // passes is shown once per loading of the file (the first ten); a damaged file is named with its
    // line in one message, "Erreur dans ''<nom>'' : Ligne <n> : fichier endommagé : <line>".
    std::optional<QString> Chercher(Contexte& ctx, const QString& nom, QStringView cle, bool ancienneCleH = false);

    // Forgets every loaded file.
    void Vider() {
        fichiers_.clear();
        connus_.clear();
    }

private:
    struct Fichier {
        Dictionnaire dico;
        bool present = false;
        std::int64_t date = -1, taille = -1;
        std::size_t defautsMontres = 0;
        bool surveille = false;   // its folder is watched: checked only when a change is announced
        bool aVerifier = true;    // a change was announced, or it is not watched and this is a new pass
        std::uint64_t passe = 0;  // the pass of its last check, for a file that is not watched
        QString dossier, nom;     // where the announcements name it
    };
    void Actualiser(const QString& chemin, Fichier& f);
    void Surveiller(const QString& chemin, Fichier& f);
    void Annoncer(const QString& dossier, const QString& nom);
    std::map<QString, Fichier> fichiers_;  // by full path
    // The files looked up in the program folder `dossierConnus_`, by name: no path to build and
    // compare at every lookup.
    std::vector<std::pair<QString, Fichier*>> connus_;
    QString dossierConnus_;
    int veille_ = -1;                       // the inotify descriptor, -1 without one
    std::map<int, QString> dossiers_;       // watched folders, by watch descriptor
    std::uint64_t passe_ = 1;
    int passesOuvertes_ = 0;
    bool luDansPasse_ = false;
    std::chrono::steady_clock::time_point lecture_;  // the last reading inside a Passe
};
