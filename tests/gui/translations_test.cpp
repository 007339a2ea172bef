// The translations: complete in every language, nothing stale, placeholders and shortcut marks kept.
#include "WindowFixture.h"

namespace {

const char *const kLanguages[] = {"de", "fr", "es"};

QString TsFile(const char *lang) {
    return QStringLiteral(TABLOO_SOURCE_DIR "/translations/tabloo_%1.ts").arg(QLatin1String(lang));
}

struct Message {
    QString Context, Source, Translation, Type;
};

std::vector<Message> ReadTs(const QString &path) {
    std::vector<Message> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            m = Message{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            m.Source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            m.Type = xml.attributes().value(QLatin1String("type")).toString();
            m.Translation = xml.readElementText();
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The placeholders %1..%9 of a text, sorted, each as often as it appears.
QStringList Placeholders(const QString &text) {
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The shortcut marks of a caption: each '&' neither doubled ("&&") nor an HTML reference ("&ndash;").
int ShortcutMarks(QString text) {
    static const QRegularExpression noMark(QStringLiteral("&&|&(#[0-9]{1,9}|[A-Za-z]{1,10});"));
    return static_cast<int>(text.remove(noMark).count(QLatin1Char('&')));
}

} // namespace

TEST(Translations, KeepEveryPlaceholderAndTheOneShortcutMarkOfTheirSource) {
    for (const char *lang : kLanguages) {
        const std::vector<Message> messages = ReadTs(TsFile(lang));
        EXPECT_GT(messages.size(), 100u) << lang;
        for (const Message &m : messages) {
            const std::string where =
                std::string(lang) + " " + m.Context.toStdString() + " \"" + m.Source.left(60).toStdString() + "\"";
            EXPECT_TRUE(m.Type.isEmpty()) << where << " is " << m.Type.toStdString();
            EXPECT_FALSE(m.Translation.isEmpty()) << where << " has no translation";
            EXPECT_EQ(Placeholders(m.Translation), Placeholders(m.Source)) << where;
            EXPECT_EQ(ShortcutMarks(m.Translation), ShortcutMarks(m.Source)) << where;
        }
    }
}

// lupdate on a copy of each file marks a text it lacks unfinished, a stale one vanished or obsolete.
TEST(Translations, HoldEveryTextOfTheCodeAndNoOther) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList sources{QStringLiteral(TABLOO_SOURCE_DIR "/src/main.cpp")};
    for (QDirIterator it(QStringLiteral(TABLOO_SOURCE_DIR "/src/gui"), {"*.cpp", "*.h"}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        sources << it.next();
    for (const char *lang : kLanguages) {
        const QString copy = dir.filePath(QFileInfo(TsFile(lang)).fileName());
        ASSERT_TRUE(QFile::copy(TsFile(lang), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(QStringLiteral(TABLOO_LUPDATE),
                      QStringList{"-silent", "-locations", "none"} + sources + QStringList{"-ts", copy});
        ASSERT_TRUE(lupdate.waitForFinished(-1)) << lupdate.errorString().toStdString();
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        for (const Message &m : ReadTs(copy))
            EXPECT_TRUE(m.Type.isEmpty()) << lang << " " << m.Context.toStdString() << " \""
                                          << m.Source.left(60).toStdString() << "\" is " << m.Type.toStdString();
    }
}
