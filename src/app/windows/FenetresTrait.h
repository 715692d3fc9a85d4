#pragma once
// The pen dialogs of the paint tools: line style "frmLine", line width "frmWidth" and fill pattern
// "frmFill". Each shows the current setting on load; its first button applies the choice and
// "&Annuler" applies nothing; both close it.

#include <QDialog>
#include <QStringList>
#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Surface;

// Option buttons with a sample each, the chosen number applied by the first button.
class FenetreOptionsTrait : public QDialog {
public:
    std::array<QPushButton*, 2> Command1{};  // the applying button, then "&Annuler"
    std::vector<QRadioButton*> Option1;
    int Choisie() const;

protected:
    FenetreOptionsTrait(const char* nom, const QString& titre, const QStringList& options, int courante, bool motif,
                        QWidget* parent);
    virtual void Appliquer(int numero) = 0;
};

class FenetreStyleTrait final : public FenetreOptionsTrait {
public:
    FenetreStyleTrait(Surface& surface, QWidget* parent = nullptr);

private:
    void Appliquer(int numero) override;
    Surface& surface_;
};

class FenetreMotif final : public FenetreOptionsTrait {
public:
    FenetreMotif(int& motif, QWidget* parent = nullptr);

private:
    void Appliquer(int numero) override { motif_ = numero; }
    int& motif_;
};

class FenetreLargeurTrait final : public QDialog {
public:
    static constexpr int kLargeurMaxi = 20;
    FenetreLargeurTrait(Surface& surface, QWidget* parent = nullptr);

    QScrollBar* VScroll1;
    QLabel* lbWidth;
    std::array<QPushButton*, 2> Command1{};

private:
    Surface& surface_;
};
