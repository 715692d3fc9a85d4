// Composes the Velmor glyph tables from tools/ecriture/ecriture.txt and writes APABDIDS.TXT
// (Windows-1252, CRLF lines).
//
//   velmor_ecriture SOURCE OUTPUT
//
// Consonant bodies and vowel rings are combined with the nine vowel marks; each shape (a list of
// strokes, circles and stem points) becomes a path program whose route the generator chooses:
// strokes are walked unit by unit, runs in one direction are merged into one command, and the pen
// jumps ("P") where a stroke does not follow on.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <queue>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Point {
    int x = 0, y = 0;  // source: y up; paths: y down
    auto operator<=>(const Point&) const = default;
};

struct Trait {
    Point a, b;
};
struct Cercle {
    Point centre;
    int rayon = 0;
};

struct Forme {
    std::vector<Trait> traits;
    std::vector<Cercle> cercles;
    std::vector<Point> tiges;

    Forme& Ajouter(const Forme& f) {
        traits.insert(traits.end(), f.traits.begin(), f.traits.end());
        cercles.insert(cercles.end(), f.cercles.begin(), f.cercles.end());
        tiges.insert(tiges.end(), f.tiges.begin(), f.tiges.end());
        return *this;
    }
    Forme Decalee(int dx, int dy) const {
        Forme f = *this;
        for (Trait& t : f.traits) {
            t.a.x += dx, t.a.y += dy;
            t.b.x += dx, t.b.y += dy;
        }
        for (Cercle& c : f.cercles) c.centre.x += dx, c.centre.y += dy;
        for (Point& p : f.tiges) p.x += dx, p.y += dy;
        return f;
    }
    int XMax() const {
        int m = 0;
        for (const Trait& t : traits) m = std::max({m, t.a.x, t.b.x});
        for (const Cercle& c : cercles) m = std::max(m, c.centre.x + c.rayon);
        return m;
    }
    // Leftmost x of the strokes at height y, if any stroke crosses it on a whole unit.
    std::optional<int> XGaucheA(int y) const {
        std::optional<int> m;
        for (const Trait& t : traits) {
            const int y1 = std::min(t.a.y, t.b.y), y2 = std::max(t.a.y, t.b.y);
            if (y < y1 || y > y2) continue;
            int x;
            if (t.a.y == t.b.y) {
                x = std::min(t.a.x, t.b.x);
            } else {
                const int num = (y - t.a.y) * (t.b.x - t.a.x);
                if (num % (t.b.y - t.a.y) != 0) continue;
                x = t.a.x + num / (t.b.y - t.a.y);
            }
            if (!m || x < *m) m = x;
        }
        return m;
    }
};

[[noreturn]] void Echec(const std::string& message) { throw std::runtime_error(message); }

// ---------------------------------------------------------------------------------------------
// Reading the source.

std::vector<std::string> Mots(const std::string& ligne) {
    std::vector<std::string> mots;
    std::istringstream in(ligne);
    for (std::string m; in >> m;) mots.push_back(m);
    return mots;
}

int Entier(const std::string& s) {
    char* fin = nullptr;
    const long v = std::strtol(s.c_str(), &fin, 10);
    if (s.empty() || *fin != '\0') Echec("not a number: " + s);
    return static_cast<int>(v);
}

std::vector<int> Nombres(const std::string& s, char sep) {
    std::vector<int> v;
    std::string courant;
    for (char c : s) {
        if (c == sep) {
            v.push_back(Entier(courant));
            courant.clear();
        } else {
            courant += c;
        }
    }
    v.push_back(Entier(courant));
    return v;
}

Point LirePoint(const std::string& s) {
    const auto v = Nombres(s, ',');
    if (v.size() != 2) Echec("bad point: " + s);
    return {v[0], v[1]};
}

struct Source {
    std::map<std::string, Forme> elements;
    std::vector<std::pair<char, Forme>> consonnes, voyelles, speciaux;
    std::map<int, Forme> formes;
    std::map<char, Forme> variantes;  // 'h' and 'k': the consonant's soft and hard partners
    std::vector<std::pair<std::string, Forme>> marques;
    std::vector<std::string> reglages;
    struct Signe {
        unsigned char c;
        int avance;
        Forme forme;
    };
    std::vector<Signe> signes;
    struct Chiffre {
        int d;
        std::string avances;
        Forme forme;
    };
    std::vector<Chiffre> chiffres;
    std::vector<std::string> amas;

    // One token: a named element, "o:x,y,r", "tige:x,y" or "x1,y1-x2,y2" (a "-" after a digit
    // separates the two ends, any other "-" is a sign).
    void LireJeton(const std::string& j, Forme& f) const {
        if (auto it = elements.find(j); it != elements.end()) {
            f.Ajouter(it->second);
        } else if (j.rfind("o:", 0) == 0) {
            const auto v = Nombres(j.substr(2), ',');
            if (v.size() != 3) Echec("bad circle: " + j);
            f.cercles.push_back({{v[0], v[1]}, v[2]});
        } else if (j.rfind("tige:", 0) == 0) {
            f.tiges.push_back(LirePoint(j.substr(5)));
        } else {
            for (size_t i = 1; i < j.size(); ++i) {
                if (j[i] == '-' && std::isdigit(static_cast<unsigned char>(j[i - 1]))) {
                    f.traits.push_back({LirePoint(j.substr(0, i)), LirePoint(j.substr(i + 1))});
                    return;
                }
            }
            Echec("unknown stroke or element: " + j);
        }
    }
    Forme LireForme(const std::vector<std::string>& mots, size_t debut) const {
        Forme f;
        for (size_t i = debut; i < mots.size(); ++i) LireJeton(mots[i], f);
        return f;
    }
};

// First character of a UTF-8 token as a Windows-1252 byte (the source only uses Latin-1 there).
unsigned char Octet(const std::string& s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return b0;
    if ((b0 & 0xE0) == 0xC0 && s.size() >= 2) {
        const int cp = ((b0 & 0x1F) << 6) | (static_cast<unsigned char>(s[1]) & 0x3F);
        if (cp >= 0xA0 && cp <= 0xFF) return static_cast<unsigned char>(cp);
    }
    Echec("character outside Latin-1: " + s);
}

Source Lire(const std::string& fichier) {
    std::ifstream in(fichier);
    if (!in) Echec("cannot read " + fichier);
    Source src;
    std::string section, ligne;
    int numero = 0;
    while (std::getline(in, ligne)) {
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        // "#" at the start of a line or after a blank starts a comment; a sign line for "#" itself
        // ("#" then its advance) keeps its first character.
        const bool signeDiese = section == "signes" && ligne.rfind("# ", 0) == 0 && Mots(ligne).size() > 1 &&
                                std::isdigit(static_cast<unsigned char>(Mots(ligne)[1][0]));
        for (size_t i = signeDiese ? 1 : 0; i < ligne.size(); ++i) {
            if (ligne[i] == '#' && (i == 0 || ligne[i - 1] == ' ' || ligne[i - 1] == '\t')) {
                ligne.erase(i);
                break;
            }
        }
        const auto mots = Mots(ligne);
        if (mots.empty()) continue;
        try {
            if (mots.size() == 1 && mots[0].size() > 2 && mots[0].front() == '[' && mots[0].back() == ']') {
                section = mots[0].substr(1, mots[0].size() - 2);
            } else if (section == "elements") {
                src.elements[mots[0]] = src.LireForme(mots, 1);
            } else if (section == "consonnes") {
                src.consonnes.emplace_back(mots[0][0], src.LireForme(mots, 1));
            } else if (section == "voyelles") {
                src.voyelles.emplace_back(mots[0][0], src.LireForme(mots, 1));
            } else if (section == "speciaux") {
                src.speciaux.emplace_back(mots[0][0], src.LireForme(mots, 1));
            } else if (section == "variantes") {
                src.variantes[mots[0][0]] = src.LireForme(mots, 1);
            } else if (section == "formes") {
                src.formes[Entier(mots[0])] = src.LireForme(mots, 1);
            } else if (section == "marques") {
                src.marques.emplace_back(mots[0], src.LireForme(mots, 1));
            } else if (section == "reglages") {
                src.reglages.push_back(ligne.substr(ligne.find_first_not_of(" \t"),
                                                    ligne.find_last_not_of(" \t") - ligne.find_first_not_of(" \t") + 1));
            } else if (section == "signes") {
                if (mots.size() < 2) Echec("sign without advance");
                src.signes.push_back({Octet(mots[0]), Entier(mots[1]), src.LireForme(mots, 2)});
            } else if (section == "chiffres") {
                if (mots.size() < 2 || mots[1].size() != 10) Echec("digit needs ten pair advances");
                src.chiffres.push_back({Entier(mots[0]), mots[1], src.LireForme(mots, 2)});
            } else if (section == "amas") {
                src.amas.push_back(mots[0]);
            } else {
                Echec("line outside a known section");
            }
        } catch (const std::exception& e) {
            Echec(fichier + ":" + std::to_string(numero) + ": " + e.what());
        }
    }
    return src;
}

// ---------------------------------------------------------------------------------------------
// From shapes to path programs.

// Argument character of a number; "*" (a path the stacker skips) and the double quote (a field
// delimiter) are never written.
std::optional<char> Argument(int n) {
    if (n < -15 || n > 40) return std::nullopt;
    const char c = static_cast<char>('0' + n);
    if (c == '*' || c == '"') return std::nullopt;
    return c;
}

char ArgumentSur(int n) {
    if (auto c = Argument(n)) return *c;
    Echec("argument out of range: " + std::to_string(n));
}

class Traceur {
public:
    // Shape in source coordinates; the path starts at (0, 0).
    std::string Tracer(const Forme& f, const std::string& nom) {
        try {
            return TracerSansNom(f);
        } catch (const std::exception& e) {
            Echec(nom + ": " + e.what());
        }
    }

private:
    std::string TracerSansNom(const Forme& f) {
        texte_.clear();
        pen_ = {0, 0};
        aretes_.clear();
        restantes_.clear();
        obliques_.clear();
        tiges_.clear();
        for (const Point& t : f.tiges) tiges_.push_back({t.x, -t.y});
        for (const Trait& t : f.traits) Decouper({t.a.x, -t.a.y}, {t.b.x, -t.b.y});
        for (const Cercle& c : f.cercles) {
            Aller({c.centre.x, -c.centre.y});
            Commande('C', c.rayon);
            pen_.x += 2 * c.rayon;
        }
        Parcourir();
        for (const Point& t : f.tiges) {
            Aller({t.x, -t.y});
            texte_ += "S0";
        }
        return texte_;
    }

    using Arete = std::pair<Point, Point>;
    static Arete Cle(Point a, Point b) { return a < b ? Arete{a, b} : Arete{b, a}; }

    void Decouper(Point a, Point b) {
        const int dx = b.x - a.x, dy = b.y - a.y;
        if (dx == 0 && dy == 0) Echec("empty stroke");
        if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) {
            obliques_.push_back({a, b});
            return;
        }
        const int n = std::max(std::abs(dx), std::abs(dy));
        const int sx = (dx > 0) - (dx < 0), sy = (dy > 0) - (dy < 0);
        for (int i = 0; i < n; ++i) {
            const Point p{a.x + i * sx, a.y + i * sy}, q{p.x + sx, p.y + sy};
            if (aretes_.insert(Cle(p, q)).second) restantes_.insert(Cle(p, q));
        }
    }

    static char Lettre(int sx, int sy) {
        static const std::map<std::pair<int, int>, char> kLettres = {
            {{1, 0}, 'R'}, {{-1, 0}, 'L'}, {{0, -1}, 'U'}, {{0, 1}, 'D'},
            {{1, -1}, 'E'}, {{1, 1}, 'F'}, {{-1, 1}, 'G'}, {{-1, -1}, 'H'}};
        return kLettres.at({sx, sy});
    }

    void Commande(char lettre, int n) { texte_ += {lettre, ArgumentSur(n)}; }

    // One unit step; runs in one direction are merged (up to 12 units a command).
    void Pas(Point vers) {
        const char l = Lettre(vers.x - pen_.x, vers.y - pen_.y);
        const size_t n = texte_.size();
        if (n >= 2 && texte_[n - 2] == l && texte_[n - 1] - '0' < 12 && !dernierSaut_) {
            ++texte_[n - 1];
        } else {
            Commande(l, 1);
        }
        dernierSaut_ = false;
        pen_ = vers;
    }

    bool Sautable(Point p) const { return Argument(p.x) && Argument(p.y); }

    void Sauter(Point p) {
        texte_ += {'P', ArgumentSur(p.x), ArgumentSur(p.y)};
        pen_ = p;
        dernierSaut_ = true;
    }

    // Moves the pen to p: a jump, or a walk back along drawn strokes when p cannot be named.
    void Aller(Point p) {
        if (pen_ == p) return;
        if (Sautable(p)) return Sauter(p);
        const auto chemin = Retour(p);
        if (!chemin) Echec("cannot reach a point whose coordinates have no argument character");
        for (const Point& q : *chemin) Pas(q);
    }

    std::vector<Point> Voisins(Point p, bool dessinees) const {
        std::vector<Point> v;
        for (int sx = -1; sx <= 1; ++sx)
            for (int sy = -1; sy <= 1; ++sy) {
                if (!sx && !sy) continue;
                const Point q{p.x + sx, p.y + sy};
                const Arete k = Cle(p, q);
                if (!aretes_.count(k)) continue;
                if (dessinees != !restantes_.count(k)) continue;
                v.push_back(q);
            }
        return v;
    }

    // Shortest walk over drawn strokes from the pen to `but`.
    std::optional<std::vector<Point>> Retour(Point but) const {
        std::map<Point, Point> venu;
        std::queue<Point> file;
        file.push(pen_);
        venu[pen_] = pen_;
        while (!file.empty()) {
            const Point p = file.front();
            file.pop();
            if (p == but) {
                std::vector<Point> chemin;
                for (Point q = but; !(q == pen_); q = venu[q]) chemin.push_back(q);
                std::reverse(chemin.begin(), chemin.end());
                return chemin;
            }
            for (const Point& q : Voisins(p, true))
                if (!venu.count(q)) venu[q] = p, file.push(q);
        }
        return std::nullopt;
    }

    void Parcourir() {
        Point direction{0, 0};
        while (!restantes_.empty() || !obliques_.empty()) {
            auto libres = Voisins(pen_, false);
            if (!libres.empty()) {
                // Keep the direction when the stroke goes on, else take the first free one.
                auto it = std::find_if(libres.begin(), libres.end(), [&](const Point& q) {
                    return q.x - pen_.x == direction.x && q.y - pen_.y == direction.y;
                });
                const Point q = it != libres.end() ? *it : libres.front();
                restantes_.erase(Cle(pen_, q));
                direction = {q.x - pen_.x, q.y - pen_.y};
                Pas(q);
                continue;
            }
            if (auto it = std::find_if(obliques_.begin(), obliques_.end(),
                                       [&](const Arete& o) { return o.first == pen_ || o.second == pen_; });
                it != obliques_.end()) {
                const Point q = it->first == pen_ ? it->second : it->first;
                texte_ += {'T', ArgumentSur(q.x - pen_.x), ArgumentSur(q.y - pen_.y)};
                pen_ = q;
                dernierSaut_ = false;
                obliques_.erase(it);
                continue;
            }
            Aller(ProchainDepart());
            direction = {0, 0};
        }
    }

    // Where to start the next stroke: an end of a free run (odd free degree) first, then the
    // nearest free point; points that a jump cannot name come last.
    Point ProchainDepart() const {
        std::vector<Point> candidats;
        for (const auto& [a, b] : restantes_) candidats.push_back(a), candidats.push_back(b);
        for (const auto& [a, b] : obliques_) candidats.push_back(a), candidats.push_back(b);
        const auto rang = [&](const Point& p) {
            const bool impair = Voisins(p, false).size() % 2 == 1;
            const bool tige = std::find(tiges_.begin(), tiges_.end(), p) != tiges_.end();
            const int distance = std::abs(p.x - pen_.x) + std::abs(p.y - pen_.y);
            return std::tuple(!Sautable(p), tige, !impair, distance, p.y, p.x);
        };
        return *std::min_element(candidats.begin(), candidats.end(),
                                 [&](const Point& a, const Point& b) { return rang(a) < rang(b); });
    }

    std::string texte_;
    Point pen_;
    bool dernierSaut_ = false;
    std::set<Arete> aretes_, restantes_;
    std::vector<Arete> obliques_;
    std::vector<Point> tiges_;  // stem points: strokes end there rather than start
};

// ---------------------------------------------------------------------------------------------
// The tables.

constexpr char kDegre = static_cast<char>(0xB0);     // "°": no mark
constexpr char kMonnaie = static_cast<char>(0xA4);   // "¤": sign lines
constexpr int kBlanc = 3;                            // word space, size units ("BLAHG")
constexpr int kLargeurTil = 2;                       // left mark width ("LargTIL")

// Layer-0 header: 33 characters read as digit fields; drawn from position 2 every other character
// is a command letter, and all of those are digits or "°", so the header draws nothing and the
// path proper starts at position 34.
//   1 width  3 left mark overlap  4 right mark offset  5 attachment  6-10 composer columns
//   13 stack step - 1  15 vertical offset  16 join code  17, 18 attributes  19-22 composer
//   sub-path  23-28 stem codes (none)  31 trailing part  32 stress mark offset
std::string Entete(int largeur, char gauche, char droite, char traine) {
    std::string e(33, '0');
    e[0] = static_cast<char>('0' + std::clamp(largeur, 1, 9));
    e[2] = gauche;
    e[3] = droite;
    for (int p = 6; p <= 10; ++p) e[p - 1] = '3';
    e[12] = '3';
    e[30] = traine;
    return e;
}

std::string Guillemets(const std::string& ligne) {
    if (ligne.find(',') == std::string::npos) return ligne;
    if (ligne.find('"') != std::string::npos) Echec("a line holds both a comma and a double quote");
    return '"' + ligne + '"';
}

class Ecrivain {
public:
    void Ligne(const std::string& l) { texte_ += Guillemets(l) + "\r\n"; }
    const std::string& Texte() const { return texte_; }

private:
    std::string texte_;
};

struct Generateur {
    const Source& src;
    Traceur traceur;
    Ecrivain out;

    std::string Chemin(const Forme& f, const std::string& nom) {
        const std::string c = traceur.Tracer(f, nom);
        return c.empty() ? "00" : c;  // an empty layer is a no-op command, never a blank line
    }
    const Forme& Marque(int forme) const { return src.formes.at(forme); }

    // Joining lines of the letter line `voyelle`, variant k (the slots of the joining table).
    bool Raccorde(char voyelle, int k) const {
        static const std::set<std::pair<char, int>> kSlots = {{'a', 2}, {'e', 2}, {'o', 1}, {'o', 2}, {'o', 3},
                                                                {'u', 1}, {'u', 3}, {'e', 4}, {'o', 4}};
        return kSlots.count({voyelle, k}) > 0;
    }

    // A consonant after one of the joining vowels is tied back to it at mid-body height.
    void Raccords() {
        for (const auto& [lettre, corps] : src.consonnes) {
            const auto x = corps.XGaucheA(4);
            if (!x) Echec(std::string("no body stroke at the tie height for ") + lettre);
            for (int n = 1; n <= 3; ++n) {
                Forme f;
                f.traits.push_back({{-kBlanc, 4}, {*x, 4}});
                if (n == 3) f.Ajouter(Marque(3));
                out.Ligne(std::string("+") + lettre + static_cast<char>('0' + n) + ':' +
                          Chemin(f, std::string("join of ") + lettre));
            }
        }
    }

    // One block of a glyph section: header line, letter line, then the nine forms. A vowel's form
    // has two layers (the ring, the mark); a consonant's four: the body, the mark, the body of its
    // "h" partner, the body of its "k" partner. Form 2 is the "h" form: a vowel's right mark, a
    // consonant's "h" body.
    void Bloc(char lettre, const Forme& corps, bool voyelle) {
        constexpr int kO4 = 5;  // a vowel's right mark, from the glyph's X
        const char gauche = voyelle ? '0' : kDegre;
        const std::string nom(1, lettre);
        Forme corpsH = corps, corpsK = corps, corpsKH = corps;
        corpsH.Ajouter(src.variantes.at('h'));
        corpsK.Ajouter(src.variantes.at('k'));
        corpsKH.Ajouter(src.variantes.at('k')).Ajouter(src.variantes.at('h'));
        const auto entree = [&](const Forme& f, const std::string& quoi, char droite = kDegre) {
            const bool traine = !voyelle && &f != &corps && &f != &corpsK;
            const int largeur = droite == kDegre ? f.XMax() + 1 : kO4 + 3;
            return Entete(largeur, gauche, droite, traine || droite != kDegre ? '1' : kDegre) +
                   traceur.Tracer(f, quoi + " of " + nom);
        };
        out.Ligne(std::string("9 ") + lettre);
        const std::string premiere = entree(corps, "body");
        out.Ligne(lettre + premiere.substr(1, 32));
        for (int k = 1; k <= 9; ++k) {
            if (voyelle) {
                out.Ligne(k == 2 ? entree(corps, "ring", static_cast<char>('0' + kO4)) : premiere);
                out.Ligne(Chemin(Marque(k), "mark of form " + std::to_string(k)));
                if (Raccorde(lettre, k)) Raccords();
                continue;
            }
            out.Ligne(k == 2 ? entree(corpsH, "h body") : premiere);
            out.Ligne(Chemin(Marque(k), "mark of form " + std::to_string(k)));
            out.Ligne(entree(corpsH, "h body"));
            out.Ligne(entree(k == 2 ? corpsKH : corpsK, "k body"));
        }
        out.Ligne(std::string("'") + lettre);
    }

    void Speciaux() {
        for (const auto& [lettre, forme] : src.speciaux) {
            out.Ligne(std::string("1 ") + lettre);
            const std::string entete = Entete(forme.XMax() + 1, kDegre, kDegre, kDegre);
            out.Ligne(lettre + entete.substr(1));
            out.Ligne(entete + traceur.Tracer(forme, std::string("glyph ") + lettre));
            for (int c = 1; c < 4; ++c) out.Ligne("");  // no mark, no partners
            out.Ligne(std::string("'") + lettre);
        }
    }

    // A cluster: its components' bodies side by side, one unit apart, under one headline.
    Forme Conjoint(const std::vector<char>& lettres) const {
        Forme f;
        int x = 0;
        for (size_t i = 0; i < lettres.size(); ++i) {
            auto it = std::find_if(src.consonnes.begin(), src.consonnes.end(),
                                   [&](const auto& c) { return c.first == lettres[i]; });
            if (it == src.consonnes.end()) Echec(std::string("cluster of an unknown consonant ") + lettres[i]);
            f.Ajouter(it->second.Decalee(x, 0));
            if (i > 0) f.traits.push_back({{x - 2, 7}, {x, 7}});
            x += 8;
        }
        return f;
    }

    void Amas() {
        std::vector<std::string> amas = src.amas;
        std::stable_sort(amas.begin(), amas.end(),
                         [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
        for (const std::string& a : amas) {
            if (a.size() != 3 && a.size() != 5 && a.size() != 7) Echec("cluster of 2 to 4 letters: " + a);
            std::vector<char> lettres;
            for (size_t i = 0; i < a.size(); i += 2) lettres.push_back(a[i]);
            out.Ligne(a);
            out.Ligne("7" + traceur.Tracer(Conjoint(lettres), "cluster " + a));
            out.Ligne(std::string(lettres.begin(), lettres.end()));
        }
    }

    void Tout() {
        out.Ligne("'APABDIDS.TXT: glyph tables of the Velmor script; written by tools/ecriture; do not edit.");
        out.Ligne("'Vowels: a block of nine forms per vowel, then the joining lines of their slots.");
        for (const auto& [lettre, corps] : src.voyelles) Bloc(lettre, corps, true);
        out.Ligne("SUITE1");
        out.Ligne("'Consonants: nine forms per letter and four layers each; then the stress mark and the divider.");
        for (const auto& [lettre, corps] : src.consonnes) Bloc(lettre, corps, false);
        Speciaux();
        out.Ligne("SpexawTyps");
        out.Ligne("'Settings, marks and signs.");
        for (const std::string& r : src.reglages) out.Ligne(r);
        for (const auto& [nom, forme] : src.marques) {
            const std::string chemin = traceur.Tracer(forme, nom);
            out.Ligne(nom + '=' + chemin);
        }
        for (const auto& s : src.signes) {
            if (s.avance < 0 || s.avance > 9) Echec("sign advance is one digit");
            out.Ligne(std::string{kMonnaie, static_cast<char>(s.c), static_cast<char>('0' + s.avance)} +
                      traceur.Tracer(s.forme, std::string("sign ") + static_cast<char>(s.c)));
        }
        out.Ligne("Impures_Multiples");
        Amas();
        out.Ligne("CHIFFRES");
        for (const auto& c : src.chiffres) {
            // Vertical offset 5: the digit stands on the baseline.
            out.Ligne(std::string{static_cast<char>('0' + c.d), '0'} + c.avances + "05" + traceur.Tracer(c.forme, "digit " + std::to_string(c.d)));
        }
        out.Ligne("FinLec");
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velmor_ecriture SOURCE OUTPUT\n";
        return 2;
    }
    try {
        const Source src = Lire(argv[1]);
        Generateur g{src, {}, {}};
        g.Tout();
        std::ofstream out(argv[2], std::ios::binary);
        out << g.out.Texte();
        if (!out) Echec(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "velmor_ecriture: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
