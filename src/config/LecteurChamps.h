#pragma once
// Field reader of the data files: a field ends at a comma or at the end of a line, spaces in front
// of it are skipped, and a field that begins with a double quote runs to the next double quote (the
// quotes are not part of it; what follows up to the comma or line end is dropped).

#include <QString>
#include <QStringView>

class LecteurChamps {
public:
    explicit LecteurChamps(QStringView texte) : texte_(texte) {}

    bool Fin() const { return pos_ >= texte_.size(); }
    // The next field; false at the end of the text.
    bool Suivant(QString& champ);
    // Line (from 1) on which the last field read began.
    int Ligne() const { return ligneChamp_; }

private:
    QStringView texte_;
    qsizetype pos_ = 0;
    int ligne_ = 1;
    int ligneChamp_ = 0;
};
