#include "transcription/Frappe.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "drawing/Scanners.h"
#include "layout/AffichageEtat.h"
#include "layout/ChangementEcriture.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "transcription/Marqueurs.h"
#include "transcription/Prononciation.h"
#include "transcription/Transcrire.h"

namespace {

bool Blanc(QChar c) { return c.isSpace(); }

// One character of the Latin script at the cursor: a space moves on, anything else is printed
// where the written text ends.
void CaractereLatin(Contexte& ctx, QChar c) {
    EtatProgramme& e = ctx.etat;
    Surface& s = ctx.surface;
    const double y = (e.PosY - e.HauteurCaractere) + 8 * (e.Taille - 1);
    if (c == u' ') {
        s.FixerPositionTexte(e.PosX, y);
        s.ImprimerTexte(QStringLiteral(" "));
        e.PosX += s.Police().pointSizeF() * 1.9;
        e.ApresEspaceLatin = true;
        return;
    }
    if (c.unicode() < 32) return;
    if (e.LimiteAtteinte) {  // nothing is drawn past the limit
        ++e.MotsPerdus;
        return;
    }
    if (!e.ApresEspaceLatin) {
        ScanFinTexte(ctx, Bande::Ligne);
        e.PosX = e.XFinGlyphe + 3 * e.Taille;
    }
    const double yTexte = (e.PosY - e.HauteurCaractere) + 8 * (e.Taille - 1);
    // The pen moves there invisibly.
    const int largeur = s.LargeurTrait();
    s.FixerLargeurTrait(1);
    s.Point(e.PosX, yTexte, s.CouleurFond());
    s.FixerLargeurTrait(largeur);
    s.FixerPositionTexte(e.PosX, yTexte);
    if (e.Ecriture != e.EcriturePrecedente) {
        e.EcritureAvantLatin = e.EcriturePrecedente;
        e.EcritureNouvelle = e.Ecriture;
        ChangementEcriture(ctx);
    }
    s.FixerCouleurTrait(e.CouleurTexte);
    s.ImprimerTexte(QString(c));
    e.ApresEspaceLatin = false;
    e.PageEntamee = true;
    e.EcriturePrecedente = e.Ecriture;
}

// After a Latin key: the position display, the right limit and the line end.
void FinToucheLatin(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    AfficheEtat(ctx);
    e.LimiteDroite = LimiteDroiteVisible(ctx);
    if (e.PosX >= e.LimiteDroite || (e.MargeDroite != 0 && e.PosX > e.MargeDroite)) {
        e.SautPermis = true;
        NouvelleLigne(ctx);
    }
}

// A space ends the marker being typed: run it, or write its text as the script writes letters.
void FinirBalise(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const QString balise = e.BaliseEnCours.trimmed();
    const int ecriture = e.Ecriture;
    e.ModeBaliseAPI = false;
    e.BaliseEnCours.clear();
    const bool reconnue = ExecuterBalise(ctx, balise);
    if (ecriture == Ecritures::API) {
        if (!reconnue && ctx.crochets.EcritAPI) ctx.crochets.EcritAPI(ctx, balise);
        if (ctx.crochets.EcritAPI) ctx.crochets.EcritAPI(ctx, QStringLiteral(" "));
        return;
    }
    if (!reconnue)
        for (const QChar c : balise) CaractereLatin(ctx, c);
    if (e.Ecriture == Ecritures::Latine) CaractereLatin(ctx, u' ');
}

// Step of the Latin script: every key is printed at once.
void ToucheLatin(Contexte& ctx, QChar c) {
    EtatProgramme& e = ctx.etat;
    if (e.PosX <= 2 * e.MargeGauche) e.PosX = e.MargeGauche;
    if (c == u'%' && !e.ModeBaliseAPI) {
        e.ModeBaliseAPI = true;
        e.BaliseEnCours = QStringLiteral("%");
    } else if (e.ModeBaliseAPI && c != u' ') {
        if (c.unicode() > 32) e.BaliseEnCours += c;
    } else if (e.ModeBaliseAPI) {
        FinirBalise(ctx);
    } else {
        CaractereLatin(ctx, c);
    }
    FinToucheLatin(ctx);
}

// Step of the A.P.I. script: the word is drawn at its space.
void ToucheAPI(Contexte& ctx, QChar c, int16_t code) {
    EtatProgramme& e = ctx.etat;
    if (c == u'%' && !e.ModeBaliseAPI) {
        e.ModeBaliseAPI = true;
        e.BaliseEnCours = QStringLiteral("%");
        return;
    }
    if (e.ModeBaliseAPI) {
        if (c == u' ') FinirBalise(ctx);
        else if (code > 32) e.BaliseEnCours += c;
        return;
    }
    if (c != u' ') {
        if (code > 32) e.TexteEnCours += c;
        return;
    }
    const QString mot = e.TexteEnCours;
    e.TexteEnCours.clear();
    if (ctx.crochets.EcritAPI) ctx.crochets.EcritAPI(ctx, PrononciationAPI(ctx, mot) + u' ');
}

// Digits and punctuation wait in the box with the word they end.
bool Attend(int16_t code) { return (code >= 33 && code <= 64 && code != 45) || code == 96 || code == 124 || code == 156; }

// The last word of the box's text: spaces after it skipped, up to the blank before it.
QString DernierMot(const QString& texte) {
    qsizetype fin = texte.size();
    while (fin > 0 && Blanc(texte[fin - 1])) --fin;
    qsizetype debut = fin;
    while (debut > 0 && !Blanc(texte[debut - 1])) --debut;
    return texte.mid(debut, fin - debut);
}

// A line end ends the word before it as a space does: the word is written before the new line.
void FinirMot(Contexte& ctx, BoiteSaisie& boite) {
    EtatProgramme& e = ctx.etat;
    if (e.Ecriture == Ecritures::Latine) {
        if (e.ModeBaliseAPI) FinirBalise(ctx);
        return;
    }
    if (e.Ecriture == Ecritures::API) {
        if (e.ModeBaliseAPI || !e.TexteEnCours.isEmpty()) ToucheAPI(ctx, u' ', 32);
        return;
    }
    const QString texte = boite.Texte();
    if (texte.isEmpty() || Blanc(texte.back())) return;
    e.Tampon = DernierMot(texte);
    if (!e.Tampon.isEmpty()) Transcrire(ctx);
}

}  // namespace

QString PrononciationAPI(Contexte& ctx, const QString& mot) {
    const EtatProgramme& e = ctx.etat;
    if (e.Langue == Langues::Phonetique || mot.isEmpty()) return mot;
    QString t = mot;
    if (e.Langue == Langues::Tumeli && t.startsWith(u"fh'", Qt::CaseInsensitive)) t = u'h' + t.mid(3);
    PrepareMot(ctx, t);
    return t;
}

bool ExecuterBalise(Contexte& ctx, const QString& balise) {
    const MarqueurLu m = MarqueurFrappe(balise);
    ExecuterMarqueur(ctx, m);
    return static_cast<bool>(m);
}

void TraiterTouche(Contexte& ctx, BoiteSaisie& boite, int16_t code) {
    EtatProgramme& e = ctx.etat;
    const QChar c = Car1252(code);
    e.Touche = QString(c);
    if (code == kToucheEntree) {
        FinirMot(ctx, boite);
        e.SautPermis = true;
        e.RetourForce = true;
        NouvelleLigne(ctx);
        e.RetourForce = true;
        return;
    }
    if (code == kToucheRapport) {
        const QString texte = boite.Texte();
        if (!texte.isEmpty()) e.TexteSauve = texte;
        boite.Vider();
        if (ctx.crochets.RapportMesures) ctx.crochets.RapportMesures(ctx);
        return;
    }
    if (e.Ecriture == Ecritures::Latine) {
        ToucheLatin(ctx, c);
        return;
    }
    if (e.Ecriture == Ecritures::API) ToucheAPI(ctx, c, code);
    if (Attend(code)) {
        e.Tampon.clear();
        return;
    }
    if (c != u' ') return;
    e.Tampon = DernierMot(boite.Texte());
    if (e.Tampon.isEmpty()) return;
    Transcrire(ctx);
}

void ToucheSaisie(Contexte& ctx, BoiteSaisie& boite, int16_t code) {
    EtatProgramme& e = ctx.etat;
    if (code == kToucheColler) {
        e.CollageEnCours = true;
        return;
    }
    e.CollageEnCours = false;
    e.TexteApres.clear();
    TraiterTouche(ctx, boite, code);
}
