#pragma once
// The entry window "  Zone  de  saisie": the text box whose keys go to the keystroke driver, and
// the next-line, search, copy, clear and paste-and-transcribe commands around it.

#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

enum class SuiteCollage;

class QLineEdit;
class QPushButton;
struct Contexte;

// The entry text box: its keys reach the keystroke driver before they enter the text.
class ZoneEntree : public QPlainTextEdit {
    Q_OBJECT
public:
    ZoneEntree(Contexte& ctx, QWidget* parent);

    // Text that the box held before the paste under way and that was already written.
    int dejaEcrits = 0;
    // The live text is on: the box is a plain editor, its every change redraws the text (the
    // keystroke driver and the paste's transcription stand aside).
    bool vivant = false;

signals:
    void FocusPerdu();

protected:
    void keyPressEvent(QKeyEvent* ev) override;
    void focusOutEvent(QFocusEvent* ev) override;

private:
    Contexte& ctx_;
};

class FrmEntree : public QWidget {
    Q_OBJECT
public:
    explicit FrmEntree(Contexte& ctx, QWidget* parent = nullptr);
    ~FrmEntree() override;

    // Applies the stored layout when cell 11 of DispositionEntree holds 9, each measure kept within
    // the screen's available geometry, and places the window, frame included, at EntreeX, EntreeY
    // (twips; the bottom-right corner of that geometry when the window would not lie wholly in it).
    void AppliquerDisposition();
    // Writes the left and top edges into EntreeX, EntreeY and the layout into DispositionEntree
    // (cells 0 to 10, in twips; cell 11 := 9).
    void MemoriserDisposition();

    // Load and show: what the main window's "Saisie" command does. A closed window gets back the
    // text kept at its last closing; an open one keeps the text it holds.
    void Afficher();
    // Shows the window in front with the keys going to its text box.
    void PremierPlan();

    // "Continuer": writes the rest of the text whose paste stopped (full screen, or stopped by the
    // user) from PositionReprise, without touching the box.
    void Continuer();
    // The main window, whose input waits while a paste is written, and its button that stops it.
    void AssocierFenetre(QWidget* principale, QWidget* boutonArret);

    ZoneEntree* TxtEntree;
    QLineEdit* TxtTX;
    QPushButton* CmdAlaLigne;
    QPushButton* CmdChercher;
    QPushButton* CmdCopie;
    QPushButton* CmdEfface;
    QPushButton* CmdColle;

    void CmdAlaLigne_Click();
    void CmdChercher_Click();
    void CmdCopie_Click();
    void CmdEfface_Click();
    void CmdColle_Click();

signals:
    // The window was closed: the main window shows its "Saisie" button again.
    void Fermee();
    // A paste's run ended, with or without a rest waiting for "Continuer".
    void CollageTermine(SuiteCollage suite);

protected:
    void resizeEvent(QResizeEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;

private:
    void Charger();
    void Disposer();
    void TxtEntree_Change();
    void Retranscrire(const QString& texte, int dejaEcrits);
    void TxtEntree_LostFocus();
    void FixerTexte(const QString& texte);  // a change made by the window itself, not a paste
    int Twips(int pixels, bool vertical) const;
    int Pixels(double twips, bool vertical) const;

    Contexte& ctx_;
    bool interne_ = false;
    bool enCours_ = false;
    QString texteCollage_;  // the text the last paste walked: its resume point counts in it
    QPointer<QWidget> principale_, boutonArret_;
};
