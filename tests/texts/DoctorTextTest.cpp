// The port doctor's findings worded in each language: every phrase has its words, what the checks found
// (paths, commands, names) is filled in untouched, and the English lines read as they always have.
#include <QCoreApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DoctorText.h"
#include "LanguageChoice.h"
#include "LinkMessages.h"

namespace terrovane::texts {
namespace {

using doctor::Check;
using doctor::Finding;
using doctor::Mark;
using doctor::Phrase;
using doctor::Said;
using translations::Language;

class SpokenIn {
  public:
    explicit SpokenIn(Language language) { EXPECT_TRUE(translations::InstallLanguage(language)); }
    ~SpokenIn() { translations::InstallLanguage(Language::Chinese); }
};

std::vector<Phrase> EveryPhrase() {
    std::vector<Phrase> phrases;
    for (int code = 0; code < static_cast<int>(Phrase::End); ++code)
        phrases.push_back(static_cast<Phrase>(code));
    return phrases;
}

std::set<QString> Placeholders(const QString& text) {
    std::set<QString> found;
    for (const auto& match : QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text))
        found.insert(match.captured());
    return found;
}

bool Worded(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")));
}

// A new phrase without its words in the text layer, or without a German or Chinese translation, fails
// here; so does a translation that lost or gained a placeholder.
TEST(DoctorTextTest, EveryPhraseAndCheckIsWordedInEveryLanguage) {
    std::map<Phrase, QString> english;
    {
        SpokenIn language(Language::English);
        for (Phrase phrase : EveryPhrase())
            english[phrase] = PhraseText(phrase, 2);
    }
    for (const Language language : {Language::German, Language::Chinese}) {
        SpokenIn installed(language);
        for (Phrase phrase : EveryPhrase()) {
            SCOPED_TRACE(static_cast<int>(phrase));
            const QString text = PhraseText(phrase, 2);
            EXPECT_FALSE(text.isEmpty());
            EXPECT_EQ(Placeholders(text), Placeholders(english[phrase])) << text.toStdString();
            if (Worded(english[phrase])) {
                EXPECT_NE(text, english[phrase]) << "untranslated: " << text.toStdString();
            }
        }
        for (const Check check : {Check::Driver, Check::Bridge, Check::UdevRule, Check::PortMap,
                                  Check::Access, Check::InUse, Check::Handshake}) {
            SpokenIn english(Language::English);
            const QString englishName = CheckText(check);
            SpokenIn again(language);
            EXPECT_NE(CheckText(check), englishName);
        }
        // Programs keep their names.
        EXPECT_EQ(CheckText(Check::Brltty), QStringLiteral("brltty"));
        EXPECT_EQ(CheckText(Check::ModemManager), QStringLiteral("ModemManager"));
    }
}

// Access denied to alice, and the port held by two programs: the phrases nest, lists join, and the fix
// follows on its own line.
doctor::Findings DeniedAndHeld() {
    const Said device{Phrase::DeviceOwnership, {"/dev/ttyUSB0", "root", "dialout", "crw-rw----"}};
    const std::vector<Said> holders = {{Phrase::ProcessWithPid, {"minicom", "9"}},
                                       {Phrase::ProcessWithPid, {"screen", "12"}}};
    return {{Mark::Ok, Check::Driver, {{Phrase::DriverBuiltIn, {"cp210x"}}}, {}},
            {Mark::Fail,
             Check::Access,
             {{Phrase::NotAGroupMember, {device, "alice", "dialout"}}},
             {{Phrase::InstallPackageForAccess, {"terrovane"}},
              {Phrase::OrJoinGroup, {"sudo adduser alice dialout"}}}},
            {Mark::Fail,
             Check::InUse,
             {{Phrase::HeldBy, {"/dev/ttyUSB0", holders}}, {Phrase::OthersNotInspected, {"1"}}},
             {{Phrase::CloseOrEndHolder, {"kill 9 12"}}}},
            {Mark::Info, Check::Handshake, {{Phrase::HandshakeNotTried, {"--no-handshake"}}}, {}}};
}

TEST(DoctorTextTest, FindingsAreOneMarkedLineEachWithTheFixBelowInEveryLanguage) {
    {
        SpokenIn english(Language::English);
        EXPECT_EQ(
            FindingsText(DeniedAndHeld()).toStdString(),
            "[ OK ] driver: cp210x is built into the kernel\n"
            "[FAIL] access: /dev/ttyUSB0 (owner root, group dialout, crw-rw----): alice may not open it: not "
            "a member of dialout, and its access list (uaccess) has no entry for alice\n"
            "       fix: install the terrovane package: its udev rule lets the logged-in user open the port; "
            "or sudo adduser alice dialout, then log in again\n"
            "[FAIL] in use: /dev/ttyUSB0 is held by minicom (pid 9), screen (pid 12) (1 process of other "
            "users not looked at; sudo shows it)\n"
            "       fix: close that program, or end it: kill 9 12\n"
            "[ -- ] handshake: not tried (--no-handshake)\n");
    }
    {
        SpokenIn german(Language::German);
        EXPECT_EQ(
            FindingsText(DeniedAndHeld()).toStdString(),
            "[ OK ] Treiber: cp210x ist fest in den Kernel eingebaut\n"
            "[FAIL] Zugriff: /dev/ttyUSB0 (Eigentümer root, Gruppe dialout, crw-rw----): alice darf das "
            "Gerät nicht öffnen: kein Mitglied von dialout, und seine Zugriffsliste (uaccess) hat keinen "
            "Eintrag für alice\n"
            "       Abhilfe: das Paket terrovane installieren: seine udev-Regel lässt den angemeldeten "
            "Benutzer die Schnittstelle öffnen; oder sudo adduser alice dialout ausführen, dann neu "
            "anmelden\n"
            "[FAIL] Belegung: /dev/ttyUSB0 ist belegt von minicom (PID 9), screen (PID 12) (1 Prozess "
            "anderer "
            "Benutzer nicht geprüft; sudo zeigt ihn)\n"
            "       Abhilfe: das Programm schließen oder beenden: kill 9 12\n"
            "[ -- ] Handshake: nicht versucht (--no-handshake)\n");
    }
    SpokenIn chinese(Language::Chinese);
    EXPECT_EQ(
        FindingsText(DeniedAndHeld()).toStdString(),
        "[ OK ] 驱动程序: cp210x 已内置于内核\n"
        "[FAIL] 访问权限: /dev/ttyUSB0（所有者 root，组 dialout，crw-rw----）：alice 无权打开：不是 dialout "
        "组的成员，且其访问控制列表（uaccess）中没有 alice 的条目\n"
        "       解决：安装 terrovane 软件包：其 udev 规则允许已登录的用户打开端口；或执行 sudo adduser alice "
        "dialout，然后重新登录\n"
        "[FAIL] 占用: /dev/ttyUSB0 被 minicom（PID 9）、screen（PID 12）占用（其他用户的 1 个进程未检查；用 "
        "sudo "
        "可查看）\n"
        "       解决：关闭该程序，或将其结束：kill 9 12\n"
        "[ -- ] 握手: 未尝试（--no-handshake）\n");
}

TEST(DoctorTextTest, TheCountOfUninspectedProcessesTakesItsPlural) {
    SpokenIn english(Language::English);
    EXPECT_EQ(SaidText({Phrase::OthersNotInspected, {"3"}}),
              QStringLiteral(" (3 processes of other users not looked at; sudo shows them)"));
    SpokenIn german(Language::German);
    EXPECT_EQ(SaidText({Phrase::OthersNotInspected, {"3"}}),
              QStringLiteral(" (3 Prozesse anderer Benutzer nicht geprüft; sudo zeigt sie)"));
}

// The handshake's failure carries the link's own messages: each said as its message box says it, what the
// system added kept as it came, one after the other on the finding's line.
TEST(DoctorTextTest, TheLinksMessagesAreSaidAsItsMessageBoxesSayThem) {
    const Finding failed{
        Mark::Fail,
        Check::Handshake,
        {{Phrase::NoAnswer,
          {Said{Phrase::LinkMessage,
                {std::string(link::kCannotOpenPort) + "\nCOM1 (/dev/ttyUSB0): Permission denied"}}}},
         {Phrase::ListedAfter, {Said{Phrase::LinkMessage, {link::kDriverError}}}}},
        {}};
    {
        SpokenIn english(Language::English);
        EXPECT_EQ(SeenText(failed).toStdString(),
                  "no answer: cannot open serial port COM1 (/dev/ttyUSB0): Permission denied / device driver "
                  "error, please check USB driver installation or USB connection");
    }
    SpokenIn german(Language::German);
    EXPECT_EQ(SeenText(failed).toStdString(),
              "keine Antwort: Die serielle Schnittstelle kann nicht geöffnet werden COM1 (/dev/ttyUSB0): "
              "Permission denied / Gerätetreiberfehler, bitte USB-Treiber und USB-Verbindung prüfen");
}

}  // namespace
}  // namespace terrovane::texts
