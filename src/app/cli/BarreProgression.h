#pragma once
// The progress of a long render on a terminal: one line on the error stream, rewritten in place,
// with a bar, the words written of the text's and the screen being written. It appears once the
// first screen is full (a text that fits a screen shows nothing) and is wiped before a message.

#include <QString>
#include <QTextStream>

class BarreProgression {
public:
    explicit BarreProgression(QTextStream& erreurs) : erreurs_(erreurs) {}

    // True when the error stream is a terminal.
    static bool Terminal();

    // `faits` words written of `total`.
    void Mots(int faits, int total);
    // A screen was filled and stored.
    void EcranPlein();
    // Wipes the line before a message; the next update draws it again.
    void Effacer();
    // The line as it ends, with the count of screens written, kept on the terminal.
    void Finir(int ecrans);

private:
    void Dessiner();

    QTextStream& erreurs_;
    int faits_ = 0, total_ = 0, pleins_ = 0, ecrans_ = 0;  // ecrans_: all written, once known
    bool visible_ = false;
};
