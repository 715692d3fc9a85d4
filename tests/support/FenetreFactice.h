#pragma once
// Recording fake of the window interface: records every message and caption, answers questions
// from a script (Oui once the script is used up), counts repaints.

#include "base/FenetreInterface.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <deque>

class FenetreFactice : public FenetreInterface {
public:
    struct Message {
        QString texte;
        bool question;
    };

    std::vector<Message> messages;
    std::deque<Reponse> reponses;  // answers to the next questions, in order
    QHash<QString, QString> textes;
    QRect zoneVisible{0, 0, 1000, 700};
    QRect zoneTravail{0, 0, 1920 * 15, 1040 * 15};
    int twips = 15;
    int rafraichissements = 0;
    int defilementV = 0, maxV = 0, defilementH = 0, maxH = 0;

    QStringList Textes() const {
        QStringList l;
        for (const auto& m : messages) l << m.texte;
        return l;
    }

    void Information(const QString& texte, const QString& = {}) override { messages.push_back({texte, false}); }
    Reponse Question(const QString& texte, Boutons, const QString& = {}) override {
        messages.push_back({texte, true});
        if (reponses.empty()) return Reponse::Oui;
        const Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    void FixerTexte(const QString& controle, const QString& valeur) override { textes[controle] = valeur; }
    QString Texte(const QString& controle) const override { return textes.value(controle); }
    QRect ZoneTravail() const override { return zoneTravail; }
    int TwipsParPixelX() const override { return twips; }
    int TwipsParPixelY() const override { return twips; }
    QRect ZoneVisible() const override { return zoneVisible; }
    void FixerDefilement(Barre b, int valeur, int maximum) override {
        (b == Barre::Verticale ? defilementV : defilementH) = valeur;
        (b == Barre::Verticale ? maxV : maxH) = maximum;
    }
    int ValeurDefilement(Barre b) const override { return b == Barre::Verticale ? defilementV : defilementH; }
    int MaximumDefilement(Barre b) const override { return b == Barre::Verticale ? maxV : maxH; }
    void Rafraichir() override { ++rafraichissements; }
    void MontrerControle(const QString& controle) override { visibles.insert(controle); }
    void ColorerControle(const QString&, std::uint32_t) override {}
    bool EstMaximisee() const override { return false; }
    void FixerImage(const QString& controle, int image) override { images[controle] = image; }
    int Image(const QString& controle) const override { return images.value(controle); }
    void Progression(int faits, int total) override { progression.emplace_back(faits, total); }

    QSet<QString> visibles;
    QHash<QString, int> images;
    std::vector<std::pair<int, int>> progression;
};
