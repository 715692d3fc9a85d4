#pragma once
// The main window "frmEdit": the writing surface in a scrolled, zoomable view, the file tool bar
// "Toolbar1", the tool and option bar "Toolbar2", the row of settings controls, the menus and the
// read-outs. It is the core's window interface.

#include "base/FenetreInterface.h"

#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QPrinter>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QToolBar;
class Surface;
class OutilsDessin;
class VueSurface;
struct Contexte;
struct Souris;
enum class SuiteCollage;

class FenetrePrincipale : public QMainWindow, public FenetreInterface {
    Q_OBJECT
public:
    explicit FenetrePrincipale(Surface& surface);
    ~FenetrePrincipale() override;

    // --- Window interface -----------------------------------------------------------------
    void Information(const QString& texte, const QString& titre = {}) override;
    Reponse Question(const QString& texte, Boutons boutons, const QString& titre = {}) override;
    void FixerTexte(const QString& controle, const QString& valeur) override;
    QString Texte(const QString& controle) const override;
    QRect ZoneTravail() const override;
    int TwipsParPixelX() const override;
    int TwipsParPixelY() const override;
    QRect ZoneVisible() const override;
    void FixerDefilement(Barre barre, int valeur, int maximum) override;
    int ValeurDefilement(Barre barre) const override;
    int MaximumDefilement(Barre barre) const override;
    void Rafraichir() override;
    void MontrerControle(const QString& controle) override;
    void ColorerControle(const QString& controle, std::uint32_t fond) override;
    bool EstMaximisee() const override { return isMaximized(); }
    void FixerImage(const QString& controle, int image) override;
    int Image(const QString& controle) const override;
    void Progression(int faits, int total) override;

    // Load: ties the window to the context start-up made, applies the stored geometry and shows it.
    void Relier(Contexte& ctx);
    void Montrer();

    // Actions by name: the menu entries ("MNU_FileOpen", ...), the tool bar buttons ("Toolbar1.3",
    // "Toolbar2.17") and the controls' buttons ("CmdPaqAht", "CmdTaille_Plus", ...).
    QAction* Action(const QString& nom) const;

    // File commands without their dialogs. A picture opened becomes the one "Enregistrer" writes to.
    bool Ouvrir(const QString& fichier);
    bool Enregistrer(const QString& fichier);
    void ImprimerSur(QPrinter& imprimante);
    bool ImageModifiee() const;

    // Put in front of the caption (a text document's name).
    void FixerPrefixeTitre(const QString& prefixe);
    QString PrefixeTitre() const { return prefixeTitre_; }
    // A page imposed on the writing: the work area is that size (in pixels) and the surface no
    // longer follows the window. An empty size gives the window's room back.
    void ImposerPage(QSize page) { page_ = page; }
    QSize Page() const { return page_; }
    // While discreet, messages are kept (MessagesDiscrets) instead of shown, and progress is not shown.
    void FixerDiscret(bool discret);
    const QStringList& MessagesDiscrets() const { return messagesDiscrets_; }

    // The entry window opened or closed: "Saisie" (CmdZSaisie) is shown only while it is closed.
    void FixerSaisieOuverte(bool ouverte);

    // The paste strip beside the settings: the progress and "Arrêter" while a paste is written, then
    // what waits for "Continuer" (F5) when the screen was full or the paste was stopped.
    QWidget* BoutonArret() const;
    void MontrerSuiteCollage(SuiteCollage suite);

    int Zoom() const { return zoom_; }
    void FixerZoom(int zoom);
    int OutilCourant() const { return outilCourant_; }
    OutilsDessin* Peinture() const { return peinture_.get(); }

    // Mouse events on the surface, in picture pixels. While a position is imposed a press opens the
    // repositioning dialog (modal) on that point; otherwise they go to the paint tools.
    void SourisEnfoncee(const Souris& m);
    void SourisBougee(const Souris& m);
    void SourisRelachee(const Souris& m);

    // Dialog and message-box seams, replaced by the tests.
    using ChoixFichier = std::function<QString(bool enregistrer, const QString& titre, const QString& depart)>;
    void FixerChoixFichier(ChoixFichier f) { choixFichier_ = std::move(f); }
    using Repondeur = std::function<Reponse(const QString& texte)>;
    void FixerRepondeur(Repondeur r) { repondeur_ = std::move(r); }
    void FixerLanceur(std::function<void()> f) { lanceur_ = std::move(f); }
    // Where "Exporter tout le texte…" reads the text: the entry window's box.
    void FixerSourceTexte(std::function<QString()> f) { sourceTexte_ = std::move(f); }

signals:
    void SaisieDemandee();            // "Saisie" (CmdZSaisie): show the entry window
    void RappelDemande();             // "Rappel" (CmdEfface): put the entry window at the top left
    void SaisieAuPremierPlan();       // after a command while the entry window is open: raise it
    void AvantEcritureParametres();   // the settings are about to be written
    void RepositionnementDemande();   // "Repositionnement": the repositioning dialog
    void OutilChoisi(int index);      // a Toolbar2 button was pressed (paint tools, dialogs)
    void ContinuationDemandee();      // "Continuer": the rest of a stopped paste
    void ToucheRenvoyee(QKeyEvent* ev);  // a text key that reached the main window: for the entry box

protected:
    void closeEvent(QCloseEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;
    bool eventFilter(QObject* objet, QEvent* ev) override;

private:
    // Construction.
    QAction* NouvelleAction(const QString& nom, const QString& texte, const QString& icone,
                            const QString& bulle, std::function<void()> commande);
    void ConstruireMenus();
    void ConstruireBarreFichiers();
    void ConstruireBarreOutils();
    void ConstruireReglages();
    void ConstruireEtat();
    void ConstruireCollage();  // CommandesCollage.cpp: the strip, beside the file bar
    void ConstruireCommandeContinuer();
    QAction* ActionImage(const QString& controle) const;
    QString CleImage(const QString& controle) const;

    // Commands (CommandesFichier.cpp).
    void MNU_FileNew_Click();
    void MNU_FileOpen_Click();
    void MNU_FileSave_Click();
    void MNU_FileSaveAs_Click();
    void MNU_Print_Click();
    void ExporterVecteurs(bool pdf);  // the picture as SVG or PDF strokes
    void ExporterToutLeTexte();       // every screen of the entry text (ExportTexte.cpp)
    void MNU_PrinterConfig_Click();
    void PleinEcran();
    void MNU_End_Click();
    void MNU_About_Click();
    void AfficherChemin();
    void Sortir();
    QString ChoisirFichier(bool enregistrer, const QString& titre, const QString& depart);

    // Commands (CommandesOptions.cpp).
    void CommandeBarre1(int index);
    void CommandeBarre2(int index);
    void MNU_FillStyle_Click();
    void BasculerA4();
    void BasculerLargeurFixee();
    void AppliquerLargeurFixee();
    void CyclerRythme();
    void BasculerCarreEfface();
    void BasculerRelief();
    void Taille(int pas);
    void EcranPrecedentSuivant(int pas);
    void CmdWajPaq_Click();
    void ReduireImageCommande();
    void ChangerZoom(int pas);

    // Commands of the paint tools (CommandesPeinture.cpp).
    void MNU_ColorPalette_Click();
    void MNU_LineStyle_Click();
    void MNU_LineWidth_Click();
    void MNU_Fill_Click(bool remplir);
    void MNU_Copy_Click();
    void MNU_Insert_Click();
    void MNU_Del_Click();
    void MNU_DelClip_Click();
    void ImageRemplacee();
    void MontrerCouleurs();

    // Geometry and the surface.
    void Redimensionner();
    void RafraichirTailleSurface();
    void AjusterSurface();
    void StockerGeometrie();
    int MargeSurface() const;
    void MarquerEnregistree();
    void MettreAJourDimensions();

    Surface& surface_;
    Contexte* ctx_ = nullptr;
    std::unique_ptr<OutilsDessin> peinture_;
    QScrollArea* defilement_;
    VueSurface* vue_;
    QToolBar* barre1_ = nullptr;
    QToolBar* barre2_ = nullptr;
    QToolBar* reglages_ = nullptr;
    std::array<QAction*, 22> boutons2_{};  // Toolbar2 by index, 1 to 21
    QActionGroup* outils_ = nullptr;
    QHash<QString, QAction*> actions_;
    QHash<QString, QWidget*> controles_;
    QHash<QString, QAction*> actionsControles_;  // tool bar slots of controls that can be hidden
    QHash<QString, QString> textes_;
    QHash<QString, std::uint32_t> couleurs_;
    QHash<QString, int> images_;
    QLabel* zoomLu_ = nullptr;
    QProgressBar* progression_ = nullptr;
    QPushButton* arret_ = nullptr;
    QLabel* suiteLue_ = nullptr;
    QPushButton* continuer_ = nullptr;
    QAction* affiche_ = nullptr;
    QPrinter imprimante_;
    QImage reference_;             // the picture as last opened or saved
    QString nomDialogue_;          // the file name the dialogs hold
    int zoom_ = 1;
    int outilCourant_ = 0;
    int compteTaille_ = 0;
    QSize tailleSurfaceVue_;
    QSize tailleReduite_;          // the size "Réduire l'image" left, kept while the surface has it
    QString prefixeTitre_;
    QSize page_;
    bool discret_ = false;
    QStringList messagesDiscrets_;
    bool sortieConfirmee_ = false;
    bool titreEnAttente_ = false;
    bool redimensionnement_ = false;
    ChoixFichier choixFichier_;
    Repondeur repondeur_;
    std::function<void()> lanceur_;
    std::function<QString()> sourceTexte_;
};
