#include "base/Texte8Bits.h"

#include <QFile>
#include <charconv>
#include <limits>
#include <string>

namespace {

// Code points of 0x80..0x9F; 0 where the code page has no character (kept as the C1 control).
constexpr char16_t kPlage80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QChar Car1252(int code) {
    code &= 0xFF;
    if (code >= 0x80 && code < 0xA0) return QChar(kPlage80[code - 0x80]);
    return QChar(static_cast<char16_t>(code));
}

int Code1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (kPlage80[i] == u) return 0x80 + i;
    return '?';
}

QString Depuis1252(const QByteArray& octets) {
    QString texte = QString::fromLatin1(octets);
    // Only 0x80..0x9F differ from Latin-1.
    QChar* d = texte.data();
    for (qsizetype i = 0; i < texte.size(); ++i)
        if (d[i].unicode() >= 0x80 && d[i].unicode() < 0xA0) d[i] = QChar(kPlage80[d[i].unicode() - 0x80]);
    return texte;
}

QByteArray Vers1252(const QString& texte) {
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) octets[i] = static_cast<char>(Code1252(texte[i]));
    return octets;
}

QString Affichable(QStringView texte, qsizetype longueur) {
    QString r;
    for (qsizetype i = 0; i < texte.size() && i < longueur; ++i) {
        const QChar c = texte[i];
        if (c.isPrint()) r += c;
        else if (c.unicode() < 0x100) r += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (texte.size() > longueur) r += QStringLiteral("...");
    return r;
}

int LigneNonTexte(const QByteArray& octets) {
    int ligne = 1;
    for (const char o : octets) {
        const auto c = static_cast<unsigned char>(o);
        if (c == '\n') ++ligne;
        else if ((c < 0x20 && c != '\t' && c != '\r') || c == 0x7F) return ligne;
    }
    return 0;
}

bool LireFichier1252(const QString& chemin, QString& texte) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return false;
    texte = Depuis1252(f.readAll());
    return true;
}

double Val(const QString& texte) {
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && (texte[i] == u' ' || texte[i] == u'\t')) ++i;
    bool negatif = false;
    if (i < n && (texte[i] == u'-' || texte[i] == u'+')) negatif = texte[i++] == u'-';
    // The digits and one point that follow, handed on as they are: no exponent, no second sign.
    std::string nombre;
    for (bool point = false; i < n; ++i) {
        const char16_t c = texte[i].unicode();
        if (c == u'.' && !point)
            point = true;
        else if (c < u'0' || c > u'9')
            break;
        nombre += static_cast<char>(c);
    }
    double v = 0;
    if (std::from_chars(nombre.data(), nombre.data() + nombre.size(), v, std::chars_format::fixed).ec ==
        std::errc::result_out_of_range)
        // Past the doubles: infinite when the whole part is, else too small to tell from 0.
        v = nombre.find_first_not_of("0.") < nombre.find('.') ? std::numeric_limits<double>::infinity() : 0.0;
    return negatif ? -v : v;
}

QString NombreAvecSigne(double v) {
    QString n = QString::number(v, 'g', 12);
    return v >= 0 ? u' ' + n : n;
}
