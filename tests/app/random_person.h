#pragma once

// A person at the desktop program who answers every question and file dialog
// at random, from one seeded generator, and notes what they did.

#include <QDir>
#include <QString>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "widgets/dialogs/file_dialogs.h"
#include "widgets/dialogs/message_box.h"

namespace nubera::test {

class RandomPerson {
  public:
    explicit RandomPerson(unsigned seed) : random_(seed) {}

    // A whole number from 0 to count - 1.
    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }
    bool Chance(double probability) { return std::bernoulli_distribution(probability)(random_); }
    template <typename T>
    const T& OneOf(const std::vector<T>& choices) {
        return choices[Pick(choices.size())];
    }

    void Note(const std::string& step) { steps_.push_back(step); }
    const std::vector<std::string>& Steps() const { return steps_; }

  private:
    std::mt19937 random_;
    std::vector<std::string> steps_;
};

// Yes, No or (where offered) キャンセル, which Esc gives too; the program's
// closing question alone is always answered No, so that the session goes on.
class RandomAnswers : public widgets::MessageBox {
  public:
    explicit RandomAnswers(RandomPerson& person) : person_(person) {}

    // Runs while a message is "on screen": the session hands files over then.
    std::function<void()> whileShown;

    widgets::MsgAnswer Show(QWidget*, const QString& text, widgets::MsgIcon,
                            widgets::MsgButtons buttons, const QString&) override {
        if (whileShown) whileShown();
        const std::string shown = text.toStdString();
        if (buttons == widgets::MsgButtons::Ok) {
            person_.Note("  message: " + shown);
            return widgets::MsgAnswer::Ok;
        }
        widgets::MsgAnswer answer = widgets::MsgAnswer::No;
        if (!text.startsWith(QStringLiteral("ヌベラプログラムを終了します"))) {
            const std::vector<widgets::MsgAnswer> answers =
                buttons == widgets::MsgButtons::YesNoCancel
                    ? std::vector{widgets::MsgAnswer::Yes, widgets::MsgAnswer::No,
                                  widgets::MsgAnswer::Cancel}
                    : std::vector{widgets::MsgAnswer::Yes, widgets::MsgAnswer::Yes,
                                  widgets::MsgAnswer::No};
            answer = person_.OneOf(answers);
        }
        lastAnswer = answer;
        const char* said = answer == widgets::MsgAnswer::Yes  ? "Yes"
                           : answer == widgets::MsgAnswer::No ? "No"
                                                              : "Cancel";
        person_.Note("  question: " + shown + " -> " + said);
        return answer;
    }

    // The answer to the last question asked.
    widgets::MsgAnswer lastAnswer = widgets::MsgAnswer::Ok;

  private:
    RandomPerson& person_;
};

// The open dialog picks one of the examples or of the files saved so far; the
// save dialog a name in `folder`, with or without the extension. Either may
// be cancelled.
class RandomFileDialogs : public widgets::FileDialogs {
  public:
    RandomFileDialogs(RandomPerson& person, QString folder, std::vector<QString> examples)
        : person_(person), folder_(std::move(folder)), loadable_(std::move(examples)) {}

    std::optional<QString> OpenProjectName(QWidget*) override {
        if (person_.Chance(0.1)) return Cancelled("open");
        return Chosen("open", person_.OneOf(loadable_));
    }
    std::optional<QString> SaveProjectName(QWidget*) override {
        ++saves;
        if (person_.Chance(0.1)) return Cancelled("save");
        static const std::vector<QString> names{
            QStringLiteral("saved-a"), QStringLiteral("saved-b.nbr"), QStringLiteral("saved-c")};
        const QString name = QDir(folder_).filePath(person_.OneOf(names));
        const QString file = name.endsWith(QStringLiteral(".nbr")) ? name : name + ".nbr";
        if (std::find(loadable_.begin(), loadable_.end(), file) == loadable_.end()) {
            loadable_.push_back(file);
        }
        return Chosen("save", name);
    }

    // A file another copy of the program might hand over.
    QString AnyLoadable() { return person_.OneOf(loadable_); }

    // How often the save dialog was shown.
    int saves = 0;

  private:
    std::optional<QString> Cancelled(const char* dialog) {
        person_.Note(std::string("  ") + dialog + " dialog: cancelled");
        return std::nullopt;
    }
    std::optional<QString> Chosen(const char* dialog, const QString& name) {
        person_.Note(std::string("  ") + dialog + " dialog: " + name.toStdString());
        return name;
    }

    RandomPerson& person_;
    QString folder_;
    std::vector<QString> loadable_;
};

}  // namespace nubera::test
