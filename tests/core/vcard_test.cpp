#include "core/vcard.h"

#include <gtest/gtest.h>

#include <array>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;

namespace {

// "1976-05-12", "--05-12" without a year, "?" unreadable, "" missing.
QString shown(const vcard::Birthday &b)
{
    const QString forms[] = {"", "?", b.date.toString(u"--MM-dd"), b.date.toString(Qt::ISODate)};
    return forms[int(b.kind)];
}

QString shown(const vcard::ReadResult &read)
{
    QStringList cards;
    for (const vcard::Card &c : read.cards)
        cards.append(QStringLiteral("%1@%2|%3").arg(c.name).arg(c.line).arg(shown(c.birthday)));
    return read.error + cards.join(u"; ");
}

} // namespace

// The date part counts, a time after it does not; the yearless forms and Apple's 1604 (or
// the year X-APPLE-OMIT-YEAR names) are days without a year, 29 February among them.
TEST(VCard, BirthdayForms)
{
    struct Row {
        const char *name;
        const char16_t *value;
        const char16_t *omitYear;
        const char *expected;
    };
    const std::array rows{
        Row{"basic", u"19760512", u"", "1976-05-12"},
        Row{"extended", u" 1976-05-12 ", u"", "1976-05-12"},
        Row{"utc_time", u"1976-05-12T00:00:00Z", u"", "1976-05-12"},
        Row{"basic_time_offset", u"19760512T230000-0500", u"", "1976-05-12"},
        Row{"yearless_basic", u"--0512", u"", "--05-12"},
        Row{"yearless_extended_feb29", u"--02-29", u"", "--02-29"},
        Row{"apple_1604", u"1604-05-12", u"", "--05-12"},
        Row{"omit_year_named", u"1900-05-12", u"1900", "--05-12"},
        Row{"omit_year_other", u"1976-05-12", u"1604", "1976-05-12"},
        Row{"feb30", u"1976-02-30", u"", "?"},
        Row{"yearless_month13", u"--1312", u"", "?"},
        Row{"year_only", u"1976", u"", "?"},
        Row{"seven_digits", u"1976-5-12", u"", "?"},
        Row{"text", u"circa 1800", u"", "?"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shown(vcard::parseBirthday(row.value, row.omitYear)), row.expected);
    }
}

// Files in the styles of the exporters: names from FN, else from N given name first;
// folding by blank or tab, 2.1's quoted-printable with soft breaks and a CHARSET (raw
// Latin-1 too, where the CHARSET says so), escapes, groups, and of two BDAYs the better.
TEST(VCard, ExportersStyles)
{
    struct Row {
        const char *name;
        QByteArray file;
        const char *cards;
    };
    const std::array rows{
        Row{"android_21",
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BC=\r\nrgen;;;\r\nTEL;CELL:0170 123\r\nBDAY:19760512\r\nEND:VCARD\r\n",
            "Jürgen Müller@1|1976-05-12"},
        Row{"old_phone_latin1",
            "BEGIN:VCARD\nVERSION:2.1\nN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:B=E4r;G=F6tz\nBDAY:1950-01-02\nEND:VCARD\nBEGIN:VCARD\nFN;CHARSET=ISO-8859-1:J\xF6rg\nEND:VCARD\n",
            "Götz Bär@1|1950-01-02; Jörg@6|"},
        Row{"google_30",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nitem1.FN:Anna-Lena von d\r\n er Wiese\\, Dr.\r\nN:Wiese;Anna-Lena;;;\r\nitem1.X-ABLabel:_$!<Other>!$_\r\nBDAY:--05-12\r\nEND:VCARD\r\n",
            "Anna-Lena von der Wiese, Dr.@1|--05-12"},
        Row{"apple_30",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Weiß;Käthe;Marie;Dr.;\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-03-01\r\nEND:VCARD\r\n",
            "Käthe Marie Weiß@1|--03-01"},
        Row{"thunderbird_40",
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Schmidt\\, Eva\\nMaria \r\n\tOtt\r\nBDAY;VALUE=DATE:19991231\r\nBDAY:--1231\r\nEND:VCARD\r\n",
            "Schmidt, Eva Maria Ott@1|1999-12-31"},
        Row{"nextcloud_two_bdays",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nPHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ\r\n SkZJRg==\r\nBDAY:--0512\r\nBDAY;VALUE=date:1976-05-12\r\nEND:VCARD\r\n\r\nBEGIN:VCARD\r\nN:;;;;\r\nEND:VCARD\r\n",
            "@1|1976-05-12; @9|"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shown(vcard::read(row.file)), QString::fromUtf8(row.cards));
    }
}

// Broken files give no cards and an error that names the line, counted over folded lines.
TEST(VCard, BrokenFiles)
{
    const std::array<std::pair<const char *, const char *>, 6> rows{{
        {"BEGIN:VCARD\r\nFN:a\r\n b\r\nFN Hans\r\nEND:VCARD\r\n",
         "Zeile 4 ist keine vCard-Zeile: ihr fehlt der Doppelpunkt."},
        {"BEGIN:VCARD\r\nFN:J\xF6rg\r\nEND:VCARD\r\n",
         "Zeile 2 ist nicht in UTF-8 geschrieben. Bitte das Adressbuch als UTF-8 exportieren."},
        {"BEGIN:VCARD\r\nFN;CHARSET=X-KLINGON:a\r\nEND:VCARD\r\n",
         "Zeile 2 passt nicht zu ihrem Zeichensatz X-KLINGON."},
        {"\r\nBEGIN:VCARD\r\nFN:A\r\n",
         "Zeile 2 beginnt eine Karte, die nicht mit END:VCARD endet."},
        {"BEGIN:VCARD\r\nFN:A\r\nBEGIN:VCARD\r\n",
         "Zeile 3 beginnt eine Karte, bevor die Karte ab Zeile 1 mit END:VCARD endet."},
        {"BEGIN:VCARD\r\nEND:VCARD\r\nFN:A\r\n",
         "Zeile 3 steht außerhalb von BEGIN:VCARD und END:VCARD."},
    }};
    for (const auto &[file, error] : rows) {
        EXPECT_EQ(shown(vcard::read(file)), QString::fromUtf8(error)) << file;
    }
}

// Exact bytes: escapes, N split at the last blank, a fold that would cut "ä" in two moves
// before it, and UIDs that stay the same in every export. Read back, the same people.
TEST(VCard, WrittenExactlyAndReadBack)
{
    const QList<vcard::Person> people{
        {"Hans Müller", QDate(1976, 2, 29)},
        {"Maximiliane Käthe-Charlotte von und zu Ölbergen-Österreicher; ge. Mäxchen",
         QDate(850, 1, 2)}};
    const QByteArray v3
        = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Hans Müller\r\nN:Müller;Hans;;;\r\n"
          "BDAY:1976-02-29\r\nUID:57a69b44-e092-518e-8afb-39e7697f29e1\r\nEND:VCARD\r\n"
          "BEGIN:VCARD\r\nVERSION:3.0\r\n"
          "FN:Maximiliane Käthe-Charlotte von und zu Ölbergen-Österreicher\\; ge. M\r\n äxchen\r\n"
          "N:Mäxchen;Maximiliane Käthe-Charlotte von und zu Ölbergen-Österreicher\\\r\n ; ge.;;;\r\n"
          "BDAY:0850-01-02\r\nUID:ecae5b24-4b15-5a98-acf5-ea08020084f3\r\nEND:VCARD\r\n";
    // As std::string, so that a mismatch shows the differing lines.
    EXPECT_EQ(vcard::write(people).toStdString(), v3.toStdString());
    for (const vcard::Version version : {vcard::Version::V3, vcard::Version::V4}) {
        const vcard::ReadResult read = vcard::read(vcard::write(people, version));
        EXPECT_EQ(shown(read), "Hans Müller@1|1976-02-29; " + people[1].name + "@8|0850-01-02");
    }
    EXPECT_TRUE(
        vcard::write(people, vcard::Version::V4)
            .contains("BDAY:19760229\r\nUID:urn:uuid:57a69b44-e092-518e-8afb-39e7697f29e1\r\n"));
}
