#include "transcription/Dictionnaires.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "layout/AffichageEtat.h"
#include "layout/Lignes.h"
#include "transcription/Frappe.h"
#include "transcription/ImprimerLatin.h"
#include "transcription/Marqueurs.h"
#include "transcription/ReglagesEcriture.h"
#include "transcription/Retranscription.h"
#include "transcription/Transcrire.h"

#include <optional>

namespace {

bool Entree(QChar c) { return c == u'\n' || c == u'\r' || c == QChar(0x2029); }
bool Blanc(QChar c) { return c.isSpace(); }

// Punctuation that ends a word of the Velmor and Dorvane scripts and is written with it.
bool Ponctuation(QChar c) {
    const int code = Code1252(c);
    if (c.isLetter() || c.isDigit() || c == u'-' || c == u'\'' || c == u'`' || c == u'|' || c == u'£') return false;
    return (code >= 33 && code <= 64) || code == 96 || code > 122;
}

// Letters the A.P.I. script takes from phonetic input.
bool LettreAPI(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || QStringView(u"':-,[]").contains(c);
}

// Words that start in [de, a) of the text.
int DebutsDeMots(QStringView texte, qsizetype de, qsizetype a) {
    int n = 0;
    bool dansMot = de > 0 && !texte[de - 1].isSpace();
    for (qsizetype i = de; i < a; ++i) {
        const bool blanc = texte[i].isSpace();
        if (!blanc && !dansMot) ++n;
        dansMot = !blanc;
    }
    return n;
}

// A long text is walked again from each new screen: its word counts are kept from one walk to the
// next, so that a book is not counted from its start at every screen. The kept copy shares the
// text's characters, which therefore cannot change while they are kept.
struct ComptesMots {
    QString texte;
    int total = 0;
    qsizetype position = 0;
    int avant = 0;  // words started before `position`

    int Avant(const QString& t, qsizetype depart) {
        if (t.constData() != texte.constData() || t.size() != texte.size()) {
            texte = t;
            total = CompterMots(t);
            position = 0, avant = 0;
        }
        if (depart < position) position = 0, avant = 0;
        avant += DebutsDeMots(t, position, depart);
        position = depart;
        return avant;
    }
};
thread_local ComptesMots comptes;

class Parcours {
public:
    Parcours(Contexte& ctx, const QString& texte) : ctx_(ctx), e_(ctx.etat), t_(texte) {}

    FinRetranscrire Marcher(qsizetype depart) {
        depart = qBound<qsizetype>(0, depart, t_.size());
        faits_ = comptes.Avant(t_, depart);
        total_ = comptes.total;
        Progresser();
        for (i_ = depart; i_ < t_.size();) {
            e_.IndiceTexte = static_cast<int>(i_) + 1;
            if (i_ >= t_.size() - 3) e_.FinProche = true;
            if (e_.LimiteAtteinte) return Arret(FinRetranscrire::Limite);
            if (e_.ArretCollage && mot_.isEmpty()) return Arret(FinRetranscrire::Arrete);
            if (!Pas()) return Arret(e_.LimiteAtteinte ? FinRetranscrire::Limite : FinRetranscrire::EcranPlein);
        }
        EcrireMot();
        if (e_.LimiteAtteinte && motsPerdus_) return Arret(FinRetranscrire::Limite);
        faits_ = total_;
        Progresser();
        e_.PositionReprise = 0;
        e_.EcritureReprise = -1;
        Situer();
        return FinRetranscrire::Fini;
    }

private:
    // One step of the walk from i_; false when the walk stops there.
    bool Pas() {
        const QChar c = t_[i_];
        e_.CodeCaractere = Code1252(c);
        if (c == u'%')
            if (const std::optional<bool> suite = Marqueur()) return *suite;
        if (Blanc(c) && i_ > 0 && !Blanc(t_[i_ - 1])) {
            ++faits_;
            Progresser();
        }
        if (Entree(c)) return Retour();
        if (Blanc(c)) {
            ++i_;
            EcrireMot();
            return true;
        }
        const int ecriture = e_.Ecriture;
        if (ecriture == Ecritures::Latine || (ecriture == Ecritures::API && e_.Langue != Langues::Phonetique)) {
            mot_ += c;
        } else if (ecriture == Ecritures::API) {
            if (LettreAPI(c)) mot_ += c;
        } else if (c.isDigit()) {
            Chiffres();
            return true;
        } else if (Ponctuation(c)) {
            qsizetype fin = i_ + 1;
            while (fin < t_.size() && Ponctuation(t_[fin]) && t_[fin] != u'%') ++fin;
            mot_ += QStringView(t_).mid(i_, fin - i_);
            i_ = fin;
            EcrireMot();
            return true;
        } else if (c == u'£' || c == u'|') {
            mot_ += u'|';
        } else if (c.isLetter() || c == u'-' || c == u'\'' || c == u'`') {
            mot_ += c;
        }
        ++i_;
        return true;
    }

    // A run of digits: kept for a "#" that follows it, else part of the word.
    void Chiffres() {
        qsizetype fin = i_;
        while (fin < t_.size() && t_[fin].isDigit()) ++fin;
        const QString chiffres = t_.mid(i_, fin - i_);
        if (fin < t_.size() && t_[fin] == u'#') e_.NumeroDieseSaisi = chiffres;
        else mot_ += chiffres;
        i_ = fin;
    }

    // An Enter: the pending word, then a new line unless one was just made. Blank lines count once.
    bool Retour() {
        const bool apresRetour = i_ > 0 && Entree(t_[i_ - 1]);
        const bool crlf = t_[i_] == u'\r' && i_ + 1 < t_.size() && t_[i_ + 1] == u'\n';
        i_ += crlf ? 2 : 1;
        if (apresRetour) return true;
        EcrireMot();
        if (e_.LimiteAtteinte) return false;
        if (!e_.RetourForce) {
            e_.SautPermis = true;
            NouvelleLigne(ctx_);
            if (e_.ChangementEcran) return false;
        }
        e_.RetourForce = true;
        return true;
    }

    // A marker read in place at i_: run and skipped over; nothing when there is none. Whether the
    // walk goes on: only a new line can start a new screen, which stops it. The line marker is read
    // in the Velmor and Dorvane scripts only.
    std::optional<bool> Marqueur() {
        const QStringView v = QStringView(t_).mid(i_);
        const bool syllabes = e_.Ecriture == Ecritures::Velmor || e_.Ecriture == Ecritures::Dorvane;
        const MarqueurLu m = LireMarqueur(v, syllabes ? Lecture::Collage : Lecture::Texte);
        if (!m) return std::nullopt;
        EcrireMot();
        ExecuterMarqueur(ctx_, m, v);
        i_ += m.longueur;
        return m.marqueur->action != ActionMarqueur::Saut || !e_.ChangementEcran;
    }

    // Writes the word built so far in the current script.
    void EcrireMot() {
        if (mot_.isEmpty()) return;
        if (e_.LimiteAtteinte) {
            ++e_.MotsPerdus;
            motsPerdus_ = true;
            mot_.clear();
            return;
        }
        const QString mot = std::move(mot_);
        mot_.clear();
        switch (e_.Ecriture) {
        case Ecritures::Latine: ImprimerLatin(ctx_, mot + u' '); break;
        case Ecritures::API:
            if (ctx_.crochets.EcritAPI) ctx_.crochets.EcritAPI(ctx_, PrononciationAPI(ctx_, mot) + u' ');
            break;
        default:
            e_.Tampon = mot;
            Transcrire(ctx_);
            break;
        }
        e_.RetourForce = false;  // the line holds a word: the next Enter starts a new one
    }

    void Progresser() {
        const int pas = qMax(1, total_ / 200);
        if (faits_ % pas == 0 || faits_ == total_) ctx_.fenetre.Progression(faits_, total_);
    }

    FinRetranscrire Arret(FinRetranscrire fin) {
        e_.PositionReprise = static_cast<int>(i_) + 1;
        e_.EcritureReprise = e_.Ecriture;
        Situer();
        return fin;
    }

    // The texts on either side of the walk's position, for the repositioning.
    void Situer() {
        const qsizetype p = qMin(i_, t_.size());
        e_.TexteAvant = t_.left(p).trimmed();
        e_.TexteApres = t_.mid(p).trimmed();
        e_.DernierCaractereAvant = e_.TexteAvant.right(1);
    }

    Contexte& ctx_;
    EtatProgramme& e_;
    const QString t_;
    qsizetype i_ = 0;
    QString mot_;
    int total_ = 0;
    int faits_ = 0;
    bool motsPerdus_ = false;
};

}  // namespace

int CompterMots(QStringView texte) { return DebutsDeMots(texte, 0, texte.size()); }

FinRetranscrire RetranscrireTexte(Contexte& ctx, const QString& texte, int dejaEcrits) {
    EtatProgramme& e = ctx.etat;
    e.TexteEnCours = texte;
    e.ChangementEcran = false;
    e.FinProche = false;
    e.MessagesManquants.clear();
    if (e.PositionReprise <= 0) {
        e.PositionReprise = qBound(0, dejaEcrits, static_cast<int>(texte.size())) + 1;
        e.EcritureAvantCollage = e.Ecriture;
        ChoisirEcriture(ctx);
    } else if (e.EcritureReprise >= 0) {
        e.Ecriture = static_cast<int16_t>(e.EcritureReprise);
        ChoisirEcriture(ctx);
    }
    Parcours parcours(ctx, texte);
    FinRetranscrire fin;
    {
        Dictionnaires::Passe passe(ctx.dictionnaires);
        fin = parcours.Marcher(qMin<qsizetype>(e.PositionReprise - 1, texte.size()));
    }

    if (e.PointCurseurPose) {
        const int largeur = ctx.surface.LargeurTrait();
        ctx.surface.FixerLargeurTrait(1);
        ctx.surface.Point(e.XPointCurseur, e.YPointCurseur, e.CouleurTexte);
        ctx.surface.FixerLargeurTrait(largeur);
    }
    AfficheEtat(ctx);
    ctx.fenetre.Progression(0, 0);
    e.FinProche = false;
    e.Ecriture = static_cast<int16_t>(e.EcritureAvantCollage);
    ChoisirEcriture(ctx);
    return fin;
}
