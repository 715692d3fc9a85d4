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
#include <map>

#ifdef VELMOR_AVEC_ESPEAK
#include "ApiTexte.h"
#include "app/PhonemesEspeak.h"
#include "transcription/OrthographeApi.h"
#include "transcription/ReglesApi.h"

#include <espeak-ng/speak_lib.h>
#endif

namespace {

bool gActif = true;

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

bool Langue(const Contexte& ctx) { return ctx.etat.Langue == Langues::Francais || ctx.etat.Langue == Langues::Anglais; }

std::optional<QString> ConsulterLus(Contexte& ctx, QStringView cle) {
    if (!gActif || !Langue(ctx)) return std::nullopt;
    const FichierLus* f = LeLecteur().Fichier(CheminLus(ctx, ctx.etat.Langue));
    if (!f) return std::nullopt;
    const Dictionnaire::Resultat r = f->dico.Chercher(cle);
    if (r.trouve && !r.valeur.isEmpty()) return r.valeur;
    if (f->ajouts.isEmpty()) return std::nullopt;
    const auto it = f->ajouts.constFind(cle.toString().toLower());
    if (it == f->ajouts.cend()) return std::nullopt;
    return *it;
}

// A word of letters only (an apostrophe or hyphen inside), 1 to 40 of them, that the dictionary
// files can hold.
bool Lisible(QStringView mot) {
    if (mot.isEmpty() || mot.size() > 40) return false;
    bool lettre = false;
    for (QChar c : mot) {
        if (c == u'\'' || c == u'-') continue;
        if (!c.isLetter() || Code1252(c) == 0) return false;
        lettre = true;
    }
    return lettre;
}

std::optional<QString> LireInconnu(Contexte& ctx, QStringView cle) {
    if (!gActif || !Langue(ctx) || !Lisible(cle)) return std::nullopt;
    Lecteur& l = LeLecteur();
    if (!l.Demarrer()) return std::nullopt;
    const QString mot = cle.toString().toLower();
    const bool francais = ctx.etat.Langue == Langues::Francais;
    // The generator's rules mend the reading; a French rule asks whether a word (a verb's form, the
    // word after a prefix) is in the French dictionary.
    const std::string motUtf8 = mot.toStdString();
    std::string ipa = l.Ipa(francais ? "fr" : "en", mot.toUtf8());
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
