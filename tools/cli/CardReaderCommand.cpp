#include "CardReaderCommand.h"

#include "UnitSession.h"

#include <QDateTime>

namespace cli {

namespace {

constexpr const char* Name = "card-reader";
constexpr int ReaderSeconds = 10;      // the reader's card list follows its opening at once
constexpr int DataSeconds = 24 * 3600; // reading and writing files ends by itself

// The word after --port N and the arguments after it.
struct ReaderArguments {
    int port = 0;
    QString action;
    QStringList rest;
};

ReaderArguments Parse(const QStringList& list) {
    ReaderArguments a;
    const qsizetype at = list.indexOf(QStringLiteral("--port"));
    if (at < 0 || at + 1 >= list.size())
        throw UsageError("give the reader's port with --port 1 or --port 2");
    bool number = false;
    a.port = list[at + 1].toInt(&number);
    if (!number || a.port < 1 || a.port > 2)
        throw UsageError("--port is 1 or 2");
    QStringList words = list;
    words.remove(at, 2);
    if (words.isEmpty())
        throw UsageError("give what to do with the card");
    a.action = words.takeFirst();
    a.rest = words;
    const QHash<QString, qsizetype> operands{
        {"list", 0}, {"format", 0}, {"write", 1}, {"save-data", 1}, {"load-data", 2}};
    if (!operands.contains(a.action) || a.rest.size() != operands[a.action] ||
        (a.action == u"load-data" && a.rest[0] != u"-o"))
        throw UsageError("unknown card action or wrong operands");
    return a;
}

void List(const comm::CardOperations& cards, QTextStream& out) {
    out << cards.Devices()[0].text << '\n';
    for (const auto& file : cards.Files())
        out << "  " << file.text << '\n';
}

// A user data file moved between disk and the control's lists; true when it worked.
bool FileJob(UnitSession& unit, const std::function<void()>& start, bool load, QTextStream& err,
             const QString& path) {
    int result = -1;
    auto signal = load ? &linkpod::LinkPod::UserDataLoaded : &linkpod::LinkPod::UserDataSaved;
    const auto c = QObject::connect(&unit.pod, signal, [&](int r) { result = r; });
    start();
    UnitSession::WaitFor([&] { return result >= 0; }, DataSeconds);
    QObject::disconnect(c);
    if (result != 0)
        err << "terrafold-cli " << Name << ": cannot " << (load ? "read " : "write ") << path << " (result "
            << result << ")\n";
    return result == 0;
}

bool CardJob(UnitSession& unit, const std::function<void()>& start) {
    int done = -1;
    const auto c =
        QObject::connect(&unit.cards, &comm::CardOperations::UserDataDone, [&](bool ok) { done = ok; });
    start();
    UnitSession::WaitFor([&] { return done >= 0; }, DataSeconds);
    QObject::disconnect(c);
    return done == 1;
}

bool Run(UnitSession& unit, const ReaderArguments& a, QTextStream& out, QTextStream& err) {
    comm::CardOperations& cards = unit.cards;
    if (a.action == u"list") {
        List(cards, out);
        return true;
    }
    if (a.action == u"format") {
        bool changed = false;
        QObject::connect(&cards, &comm::CardOperations::DevicesChanged, [&] { changed = true; });
        cards.FormatDevice();
        if (!UnitSession::WaitFor([&] { return changed && !cards.Devices().isEmpty(); }, ReaderSeconds))
            return false;
        cards.SelectDevice(0);
        List(cards, out);
        return true;
    }
    if (a.action == u"write") {
        // The card lists its files again as the written file closes.
        bool listed = false;
        QObject::connect(&cards, &comm::CardOperations::FilesChanged, [&] { listed = true; });
        if (!cards.DownloadCartridge(a.rest[0]) || !unit.WaitForUpload(DataSeconds))
            return false;
        UnitSession::WaitFor([&] { return listed; }, ReaderSeconds);
        List(cards, out);
        return true;
    }
    if (a.action == u"save-data")
        return FileJob(
                   unit, [&] { unit.pod.ReadUserDataFile(a.rest[0]); }, true, err, a.rest[0]) &&
               CardJob(unit, [&] { cards.SaveData(); });
    return CardJob(unit, [&] { cards.LoadData(); }) &&
           FileJob(
               unit, [&] { unit.pod.WriteUserDataFile(a.rest[1], QDateTime::currentDateTime()); }, false, err,
               a.rest[1]);
}

} // namespace

int RunCardReader(const QStringList& list, QTextStream& out, QTextStream& err) {
    const ReaderArguments a = Parse(list);
    gpsdata::GPSData data;
    UnitSession unit(data, err, Name, ui::Answer::Yes);
    unit.session.SetLPTPort(quint16(a.port));
    unit.session.OpenLPTPort();
    if (!unit.session.LPTPortOpen())
        return ExitFailure;
    if (!UnitSession::WaitFor([&] { return !unit.cards.Devices().isEmpty(); }, ReaderSeconds)) {
        err << "terrafold-cli " << Name << ": no card in the reader on LPT" << a.port << '\n';
        return ExitFailure;
    }
    unit.cards.SelectDevice(0);
    return Run(unit, a, out, err) ? ExitOk : ExitFailure;
}

} // namespace cli
