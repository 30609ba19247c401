#pragma once

#include "gpsdata/Prompt.h"

#include <QList>
#include <QString>

#include <deque>

namespace testing_support {

// Records every message box and answers questions from a queue (Answer::Ok
// for plain messages, the first queued answer, or `fallback` when the queue
// is empty).
class RecordingPrompt : public ui::Prompt {
public:
    struct Shown {
        QString title;
        QString text;
        ui::Buttons buttons;
        ui::Icon icon;
    };

    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon icon) override {
        shown.append({title, text, buttons, icon});
        if (buttons == ui::Buttons::Ok)
            return ui::Answer::Ok;
        if (answers.empty())
            return fallback;
        const ui::Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    QStringList Texts() const {
        QStringList out;
        for (const auto& s : shown)
            out << s.text;
        return out;
    }

    QList<Shown> shown;
    std::deque<ui::Answer> answers;
    ui::Answer fallback = ui::Answer::Cancel;
};

class RecordingProgress : public ui::Progress {
public:
    void Begin(const QString& caption) override { captions << caption; }
    void SetValue(int percent) override { values << percent; }
    void SetText(const QString& text) override { texts << text; }
    void End() override { ++ended; }
    bool Cancelled() const override { return cancel; }

    QStringList captions;
    QList<int> values;
    QStringList texts;
    int ended = 0;
    bool cancel = false;
};

class RecordingStatus : public ui::StatusSink {
public:
    void SetStatusText(int panel, const QString& text) override { lines << qMakePair(panel, text); }
    QList<QPair<int, QString>> lines;
};

} // namespace testing_support
