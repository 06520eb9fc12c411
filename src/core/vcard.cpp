#include "core/vcard.h"

#include <QStringDecoder>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace quirnel::vcard {

namespace {

struct Line {
    QByteArray text;
    int number = 0; // of its first physical line
};

// A line that begins with a blank or a tab continues the one before.
QList<Line> unfold(QByteArrayView bytes)
{
    QList<Line> lines;
    int number = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t')))
            lines.last().text += line.sliced(1);
        else
            lines.append({line.toByteArray(), number});
    }
    return lines;
}

struct Property {
    QByteArray name; // upper case, without its group
    QByteArray charset;
    QByteArray omitYear;
    bool quotedPrintable = false;
    QByteArray value;
};

// Empty when the line has no colon after its name and parameters.
std::optional<Property> parse(const QByteArray &line)
{
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            colon = i;
    }
    if (colon < 0)
        return std::nullopt;
    const QList<QByteArray> parts = line.first(colon).split(';');
    Property p;
    p.name = parts.front().trimmed().toUpper();
    p.name.remove(0, p.name.lastIndexOf('.') + 1);
    for (const QByteArray &param : parts.sliced(1)) {
        // Version 2.1 also writes a parameter's value alone: ";QUOTED-PRINTABLE".
        const qsizetype eq = param.indexOf('=');
        const QByteArray key = eq < 0 ? QByteArray() : param.first(eq).trimmed().toUpper();
        QByteArray value = param.sliced(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.sliced(1, value.size() - 2);
        if ((key.isEmpty() || key == "ENCODING") && value.toUpper() == "QUOTED-PRINTABLE")
            p.quotedPrintable = true;
        else if (key == "CHARSET")
            p.charset = value;
        else if (key == "X-APPLE-OMIT-YEAR")
            p.omitYear = value;
    }
    p.value = line.sliced(colon + 1);
    return p;
}

std::optional<QString> decode(const Property &p)
{
    const QByteArray raw
        = p.quotedPrintable ? QByteArray::fromPercentEncoding(p.value, '=') : p.value;
    QStringDecoder decoder = p.charset.isEmpty() ? QStringDecoder(QStringConverter::Utf8)
                                                 : QStringDecoder(p.charset.constData());
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(raw);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Text values escape "\\", "\,", "\;" and "\n". In N, an unescaped ";" separates the
// components and an unescaped "," the several values of one, both given back as a blank.
QStringList unescaped(QStringView value, bool structured)
{
    QStringList parts(1);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            parts.last() += next == u'n' || next == u'N' ? QChar(u' ') : next;
        } else if (structured && c == u';') {
            parts.append(QString());
        } else {
            parts.last() += structured && c == u',' ? QChar(u' ') : c;
        }
    }
    return parts;
}

QString nameFromN(QStringView value)
{
    const QStringList n = unescaped(value, true); // family; given; additional; prefix; suffix
    QStringList words;
    for (const int i : {1, 2, 0}) {
        if (i < n.size() && !n[i].trimmed().isEmpty())
            words.append(n[i]);
    }
    return words.join(u' ').simplified();
}

QString lineError(int number, const QString &what)
{
    return QStringLiteral("Zeile %1 %2").arg(number).arg(what);
}

QByteArray escaped(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    const auto special = [](char c) { return c == '\\' || c == ',' || c == ';'; };
    if (std::none_of(utf8.begin(), utf8.end(), special))
        return utf8;
    QByteArray out;
    for (const char c : utf8) {
        if (special(c))
            out += '\\';
        out += c;
    }
    return out;
}

// "1976-05-12", or "19760512" without the dashes; QDate::toString takes many times as long.
QByteArray dateText(QDate date, bool dashes)
{
    char text[16];
    const int size = std::snprintf(text, sizeof text, dashes ? "%04d-%02d-%02d" : "%04d%02d%02d",
                                   date.year(), date.month(), date.day());
    return {text, size};
}

// At most 75 octets a line, never cutting a UTF-8 sequence; a continuation begins with a blank.
void appendFolded(QByteArray &out, const QByteArray &line)
{
    qsizetype start = 0;
    for (qsizetype room = 75; line.size() - start > room; room = 74) {
        qsizetype cut = start + room;
        while ((static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out += line.sliced(start, cut - start) + "\r\n ";
        start = cut;
    }
    out += line.sliced(start) + "\r\n";
}

} // namespace

Birthday parseBirthday(QStringView value, QStringView omitYear)
{
    QStringView text = value.trimmed();
    if (const qsizetype t = text.indexOf(u'T'); t >= 0)
        text = text.first(t);
    const bool yearless = text.startsWith(u"--");
    const QString digits = (yearless ? text.sliced(2) : text).toString().remove(u'-');
    const bool numeric
        = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    if (!numeric || digits.size() != (yearless ? 4 : 8))
        return {Birthday::Kind::Unreadable, {}};
    const int year = yearless ? 0 : digits.first(4).toInt();
    const int month = digits.sliced(yearless ? 0 : 4, 2).toInt();
    const int day = digits.right(2).toInt();
    // Apple keeps a birthday without a year as one in 1604.
    if (yearless || year == 1604 || (!omitYear.isEmpty() && omitYear.toInt() == year)) {
        const QDate date(2000, month, day);
        return {date.isValid() ? Birthday::Kind::NoYear : Birthday::Kind::Unreadable, date};
    }
    const QDate date(year, month, day);
    return {date.isValid() ? Birthday::Kind::Full : Birthday::Kind::Unreadable, date};
}

ReadResult read(QByteArrayView bytes)
{
    ReadResult result;
    const auto fail = [&](const QString &error) {
        result.cards.clear();
        result.error = error;
        return result;
    };
    const QList<Line> lines = unfold(bytes);
    std::optional<Card> card;
    QString formatted; // FN
    QString fromN;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = lines[i].number;
        if (lines[i].text.trimmed().isEmpty())
            continue;
        std::optional<Property> p = parse(lines[i].text);
        if (!p)
            return fail(lineError(
                number, QStringLiteral("ist keine vCard-Zeile: ihr fehlt der Doppelpunkt.")));
        // A soft line break: "=" at the end of a quoted-printable line joins the next one.
        while (p->quotedPrintable && p->value.endsWith('=') && i + 1 < lines.size()) {
            p->value.chop(1);
            p->value += lines[++i].text;
        }
        if (p->charset.isEmpty() && !QByteArrayView(p->value).isValidUtf8())
            return fail(lineError(
                number,
                QStringLiteral(
                    "ist nicht in UTF-8 geschrieben. Bitte das Adressbuch als UTF-8 exportieren.")));
        const QByteArray keyword = p->value.trimmed().toUpper();
        if (p->name == "BEGIN" && keyword == "VCARD") {
            if (card)
                return fail(lineError(
                    number,
                    QStringLiteral(
                        "beginnt eine Karte, bevor die Karte ab Zeile %1 mit END:VCARD endet.")
                        .arg(card->line)));
            card.emplace();
            card->line = number;
            formatted.clear();
            fromN.clear();
            continue;
        }
        if (!card)
            return fail(lineError(
                number, QStringLiteral("steht außerhalb von BEGIN:VCARD und END:VCARD.")));
        if (p->name == "END" && keyword == "VCARD") {
            card->name = formatted.isEmpty() ? fromN : formatted;
            result.cards.append(*card);
            card.reset();
            continue;
        }
        if (p->name != "FN" && p->name != "N" && p->name != "BDAY")
            continue;
        const std::optional<QString> value = decode(*p);
        if (!value)
            return fail(lineError(number,
                                  QStringLiteral("passt nicht zu ihrem Zeichensatz %1.")
                                      .arg(QString::fromLatin1(p->charset))));
        if (p->name == "FN") {
            formatted = unescaped(*value, false).front().simplified();
        } else if (p->name == "N") {
            fromN = nameFromN(*value);
        } else {
            // Of several BDAY lines the one with the most of a date counts.
            const Birthday b = parseBirthday(*value, QString::fromLatin1(p->omitYear));
            if (b.kind > card->birthday.kind)
                card->birthday = b;
        }
    }
    if (card)
        return fail(lineError(
            card->line, QStringLiteral("beginnt eine Karte, die nicht mit END:VCARD endet.")));
    return result;
}

QByteArray write(const QList<Person> &people, Version version)
{
    const bool v4 = version == Version::V4;
    // A fixed namespace, so that a person's UID is the same in every export.
    static const QUuid space(QStringLiteral("6f1d3c2a-8e0b-4b52-9a57-0c4e2f9b7d31"));
    QByteArray out;
    out.reserve(people.size() * 160);
    for (const Person &person : people) {
        const QByteArray date = dateText(person.birthday, !v4);
        const QStringView name = person.name;
        const qsizetype blank = name.lastIndexOf(u' ');
        out += v4 ? "BEGIN:VCARD\r\nVERSION:4.0\r\n" : "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        appendFolded(out, "FN:" + escaped(name));
        appendFolded(out,
                     "N:" + escaped(name.sliced(blank + 1)) + ';'
                         + escaped(name.first(std::max<qsizetype>(blank, 0))) + ";;;");
        out += "BDAY:" + date + "\r\n";
        // The same UID in both versions.
        const QUuid uid
            = QUuid::createUuidV5(space, dateText(person.birthday, true) + ' ' + name.toUtf8());
        out += (v4 ? "UID:urn:uuid:" : "UID:") + uid.toByteArray(QUuid::WithoutBraces) + "\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}

} // namespace quirnel::vcard
