#pragma once
// The text as a document: "Nouveau texte", "Ouvrir un texte…", "Enregistrer le texte",
// "Enregistrer le texte sous…" and the recent texts in the file menu, text files dropped on either
// window, the document's name in front of the main window's caption, a question before a changed
// text is closed or replaced; and "Texte vivant" (Options menu and a button of the settings row):
// while it is on, the picture is the rendering of the entry window's whole text, redrawn from the
// screen an edit touches after every change of the box.

#include "app/TexteVivant.h"
#include "transcription/Document.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class FenetrePrincipale;
class FrmEntree;
class QAction;
class QMenu;
struct Contexte;

class DocumentTexte : public QObject {
    Q_OBJECT
public:
    DocumentTexte(Contexte& ctx, FenetrePrincipale& fenetre, FrmEntree& entree);
    ~DocumentTexte() override;

    // Opens a text file (asking first when the text in hand was changed), puts its text in the entry
    // box and draws it live; false when it was not opened.
    bool Ouvrir(const QString& fichier);
    // Writes the document (header and text), whole or not at all; false when it was not written.
    bool Enregistrer(const QString& fichier);
    // An empty text, once the one in hand may go.
    void Nouveau();
    // Whether the text in hand may go: asks to save it when it was changed; false for "Annuler".
    bool PeutFermer();

    bool Modifie() const;
    const QString& Fichier() const { return fichier_; }
    QStringList Recents() const { return recents_; }

    void FixerVivant(bool actif);
    bool Vivant() const;
    TexteVivant& Rendu() { return *rendu_; }
    // The header of the text as it is drawn now.
    QString EnTete() const;

    QAction* ActionVivant() const { return vivant_; }

    // A file taken for a text document (by its name: ".txt", ".text").
    static bool EstFichierTexte(const QString& chemin);

    using ChoixFichier = std::function<QString(bool enregistrer, const QString& titre, const QString& depart)>;
    void FixerChoixFichier(ChoixFichier f) { choix_ = std::move(f); }

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override;

private:
    void ConstruireMenus();
    void MenuRecents();
    void AjouterRecent(const QString& fichier);
    void LireRecents();
    void EcrireRecents() const;
    QString Choisir(bool enregistrer, const QString& titre);
    void EnregistrerSous();
    void EnregistrerCommande();
    void FixerTexteBoite(const QString& texte);
    void TexteChange();
    void OptionsChangees();
    void Rendre();
    void Apres();
    void Legende();
    void AppliquerOptions(const OptionsDocument& o);

    Contexte& ctx_;
    FenetrePrincipale& fenetre_;
    FrmEntree& entree_;
    std::unique_ptr<TexteVivant> rendu_;
    OptionsDocument options_;
    QString fichier_;
    QStringList recents_;
    QMenu* menuRecents_ = nullptr;
    QAction* vivant_ = nullptr;
    ChoixFichier choix_;
    bool interne_ = false;
};
