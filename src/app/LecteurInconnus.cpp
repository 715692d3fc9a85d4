#include "app/LecteurInconnus.h"

#include "base/Contexte.h"
#include "base/EcritureSure.h"
#include "base/Texte8Bits.h"
#include "config/Dossiers.h"
#include "transcription/Dictionnaires.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>

#ifdef VELMOR_AVEC_ESPEAK
#include "ApiTexte.h"
#include "app/PhonemesEspeak.h"
#include "transcription/OrthographeApi.h"
#include "transcription/ReglesApi.h"

#include <espeak-ng/speak_lib.h>
#endif

namespace {

std::atomic<bool> gActif{true};  // the menu sets it while an export may read it

QString NomLus(int langue) { return langue == Langues::Francais ? QStringLiteral("Fohms_Lus_FR.TXT") : QStringLiteral("Fohms_Lus_EN.TXT"); }

#ifdef VELMOR_AVEC_ESPEAK

struct FichierLus {
    Dictionnaire dico;
    QHash<QString, QString> ajouts;  // words written here since the file was read
    qint64 date = -2, taille = -2;
};

struct Lecteur {
    int pret = 0;  // 0 not started, 1 ready, -1 espeak-ng failed
    std::string voix;
    orthographe_api::TableApi table;
    std::map<QString, FichierLus> fichiers;  // by path
    bool plainteFaite = false;                // a word that could not be kept was reported
    struct CheminConnu {
        QString chemin;
        std::chrono::steady_clock::time_point quand;
    };
    std::map<std::pair<QString, int>, CheminConnu> chemins;  // by program folder and language

    bool Demarrer() {
        if (pret == 0) {
            const bool ok = espeak_Initialize(AUDIO_OUTPUT_RETRIEVAL, 0, nullptr, espeakINITIALIZE_DONT_EXIT) >= 0 &&
                            table.Lire(kApiTexte).empty();
            pret = ok ? 1 : -1;
        }
        return pret == 1;
    }
    std::string Ipa(const std::string& v, const QByteArray& mot) {
        if (v != voix) {
            if (espeak_SetVoiceByName(v.c_str()) != EE_OK) return {};
            voix = v;
        }
        return PhonemesEspeak(mot.constData());
    }
    // The user dictionary of the context's folder and language. Where it goes is tried by
    // creating a file (config/Dossiers): done at most once a second, not at every lookup.
    const QString& Chemin(const Contexte& ctx) {
        const auto maintenant = std::chrono::steady_clock::now();
        CheminConnu& c = chemins[{ctx.dossier, ctx.etat.Langue}];
        if (c.chemin.isEmpty() || maintenant - c.quand > std::chrono::seconds(1)) {
            c.chemin = CheminLus(ctx, ctx.etat.Langue);
            c.quand = maintenant;
        }
        return c.chemin;
    }
    // The file, read again when its date or size changed; none when it is missing.
    const FichierLus* Fichier(const QString& chemin) {
        const QFileInfo fi(chemin);
        FichierLus& f = fichiers[chemin];
        if (!fi.exists()) {
            f.date = f.taille = -2;
            return nullptr;
        }
        const qint64 date = fi.lastModified().toMSecsSinceEpoch(), taille = fi.size();
        if (date != f.date || taille != f.taille) {
            QFile q(chemin);
            f.dico.Charger(q.open(QIODevice::ReadOnly) ? q.readAll() : QByteArray());
            f.ajouts.clear();
            f.date = date;
            f.taille = taille;
        }
        return &f;
    }
    // Appends an entry; what the file held stays loaded, the entry is added beside it.
    bool Ajouter(const QString& chemin, const QString& mot, const QString& valeur, QString* raison) {
        if (!AjouterFichierSur(chemin, Vers1252(mot + u';' + valeur + QStringLiteral("\r\n")), raison)) return false;
        // The lookup before the reading brought the loaded copy up to date: it stays so.
        FichierLus& f = fichiers[chemin];
        const QFileInfo fi(chemin);
        f.date = fi.lastModified().toMSecsSinceEpoch();
        f.taille = fi.size();
        f.ajouts.insert(mot, valeur);
        return true;
    }
};

Lecteur& LeLecteur() {
    static Lecteur l;
    return l;
}

// The reader and its files serve the editor and the headless editor of an export, each on its own
// thread: one at a time.
std::mutex& VerrouLecteur() {
    static std::mutex m;
    return m;
}

bool Langue(const Contexte& ctx) { return ctx.etat.Langue == Langues::Francais || ctx.etat.Langue == Langues::Anglais; }

std::optional<QString> ConsulterLus(Contexte& ctx, QStringView cle) {
    if (!gActif || !Langue(ctx)) return std::nullopt;
    const std::lock_guard verrou(VerrouLecteur());
    Lecteur& l = LeLecteur();
    const FichierLus* f = l.Fichier(l.Chemin(ctx));
    if (!f) return std::nullopt;
    const Dictionnaire::Resultat r = f->dico.Chercher(cle);
    if (r.trouve && !r.valeur.isEmpty()) return r.valeur;
    if (f->ajouts.isEmpty()) return std::nullopt;
    const auto it = f->ajouts.constFind(cle.toString().toLower());
    if (it == f->ajouts.cend()) return std::nullopt;
    return *it;
}

// espeak-ng reads at most this many letters at once; a longer word is read in pieces.
constexpr qsizetype kLettresLues = 40;
// A longer run of letters is no word: it is drawn from its letters.
constexpr qsizetype kLettresMot = 200;

// A word of letters only (an apostrophe or hyphen inside: quotes around it are the word
// preparation's to leave out), 1 to kLettresMot of them, that the dictionary files can hold.
bool Lisible(QStringView mot) {
    if (mot.isEmpty() || mot.size() > kLettresMot || mot.front() == u'\'' || mot.back() == u'\'') return false;
    bool lettre = false;
    for (QChar c : mot) {
        if (c == u'\'' || c == u'-') continue;
        if (!c.isLetter() || Code1252(c) == 0) return false;
        lettre = true;
    }
    return lettre;
}

bool VoyelleLettre(QChar c) { return QStringView(u"aeiouy\u00E0\u00E2\u00E4\u00E9\u00E8\u00EA\u00EB\u00EE\u00EF\u00F4\u00F6\u00F9\u00FB\u00FC\u00FF\u0153\u00E6").contains(c.toLower()); }

// A word of more than kLettresLues letters in pieces of at most that many: each cut after its last
// hyphen, else before a consonant that opens a syllable (a vowel, the consonant, a vowel), else
// after a vowel, else at the limit.
QStringList Morceaux(const QString& mot) {
    QStringList r;
    qsizetype debut = 0;
    while (mot.size() - debut > kLettresLues) {
        const qsizetype fin = debut + kLettresLues;
        qsizetype coupe = mot.lastIndexOf(u'-', fin - 1) + 1;
        for (qsizetype p = fin - 1; coupe <= debut && p > debut; --p)
            if (VoyelleLettre(mot[p - 1]) && !VoyelleLettre(mot[p]) && mot[p].isLetter() && p + 1 < mot.size() && VoyelleLettre(mot[p + 1])) coupe = p;
        for (qsizetype p = fin - 1; coupe <= debut && p > debut; --p)
            if (VoyelleLettre(mot[p - 1])) coupe = p;
        if (coupe <= debut) coupe = fin;
        r << mot.mid(debut, coupe - debut);
        debut = coupe;
    }
    r << mot.mid(debut);
    return r;
}

std::optional<QString> LireInconnu(Contexte& ctx, QStringView cle) {
    if (!gActif || !Langue(ctx) || !Lisible(cle)) return std::nullopt;
    const std::lock_guard verrou(VerrouLecteur());
    Lecteur& l = LeLecteur();
    if (!l.Demarrer()) return std::nullopt;
    const QString mot = cle.toString().toLower();
    const bool francais = ctx.etat.Langue == Langues::Francais;
    // The generator's rules mend the reading; a French rule asks whether a word (a verb's form, the
    // word after a prefix) is in the French dictionary.
    const std::string motUtf8 = mot.toStdString();
    const std::string voix = francais ? "fr" : "en";
    std::string ipa;
    for (const QString& m : Morceaux(mot)) ipa += (ipa.empty() ? "" : "_") + l.Ipa(voix, m.toUtf8());
    // Letters that are silent at the end of a word and make one alone ("ent", the end of a French
    // verb cut off by a line break) are read as they sound after a consonant: "dent" without its /d/.
    if (ipa.find_first_not_of("_") == std::string::npos) {
        const std::string apres = l.Ipa(voix, "d" + mot.toUtf8());
        if (apres.compare(0, 2, "d_") == 0) ipa = apres.substr(2);
    }
    ipa = francais ? regles::Francais(motUtf8, ipa,
                                      [&](const std::string& m) {
                                          return ctx.dictionnaires.Chercher(ctx, QStringLiteral("Fohms_FR.TXT"), QString::fromStdString(m)).has_value();
                                      })
                   : regles::Anglais(motUtf8, ipa);
    const orthographe_api::Lecture lu = orthographe_api::Transcrire(l.table, ipa, francais);
    if (!lu.inconnu.empty() || lu.orthographe.empty()) return std::nullopt;
    const QString valeur = QString::fromStdString(lu.orthographe);
    QString raison;
    if (!l.Ajouter(CheminLus(ctx, ctx.etat.Langue), mot, valeur, &raison)) {
        // The program folder refused it after all: the configuration folder.
        const QString conf = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        const bool garde = !conf.isEmpty() && QDir().mkpath(conf) && l.Ajouter(conf + u'/' + NomLus(ctx.etat.Langue), mot, valeur, nullptr);
        // The word is read all the same; that it cannot be kept is said once.
        if (!garde && !l.plainteFaite) {
            l.plainteFaite = true;
            ctx.fenetre.Information(QStringLiteral("Impossible d'enregistrer :") + QChar(13) + raison);
        }
    }
    return valeur;
}

#endif

}  // namespace

QString CheminLus(const Contexte& ctx, int langue) { return FichierEcrit(ctx, NomLus(langue)); }

void BrancherLecteurInconnus([[maybe_unused]] Contexte& ctx) {
#ifdef VELMOR_AVEC_ESPEAK
    ctx.crochets.ConsulterLus = &ConsulterLus;
    ctx.crochets.LireInconnu = &LireInconnu;
    const std::lock_guard verrou(VerrouLecteur());
    LeLecteur().plainteFaite = false;  // a new program says it again
#endif
}

bool LecteurInconnusDisponible() {
#ifdef VELMOR_AVEC_ESPEAK
    return true;
#else
    return false;
#endif
}

void ActiverLecteurInconnus(bool actif) { gActif = actif; }
bool LecteurInconnusActif() { return gActif; }
