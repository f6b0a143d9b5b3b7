// The answers of the practice and review windows as the learner's memory hears them: the first
// answer to each sentence shown is logged with its window, and moves the sentence's memory when it
// is the first of its day. The window's own connection may be read-only, so this keeps one that
// writes, opened at the first answer; a file that cannot be written (read-only, refused at
// start-up) is left alone without a word, as the window already said what it could.
#pragma once

#include <memory>

#include "context.h"
#include "memory/memory_store.h"
#include "progress/answer_journal.h"
#include "written_answers.h"

namespace app {

class MemoryAnswers {
public:
    MemoryAnswers(Context& ctx, memory::Source source) : ctx_(ctx), source_(source) {}

    // One answer: right or not, its grade, and for a written one what was typed and its verdict.
    struct Answer {
        bool right = false;
        memory::Grade grade = memory::Grade::Again;
        std::optional<QString> typed;
        int verdict = -1;
    };
    // An option chosen: Good when right, Again when wrong or given after the solution.
    static Answer chosen(bool right, bool afterSolution);
    // A filler typed, by its verdict (see gradeOf).
    static Answer typed(const written::Judgement& j, bool afterSolution);

    void record(int serial, const Answer& answer);
    // An answer to the sentence with this text (the failed-item log keeps no serial); a text that
    // names no single sentence of the table (edited or deleted since) is not recorded.
    void recordByText(const QString& sentence, const Answer& answer);
    // The window closes: one more try for what is kept; how many answers never reached the file.
    int settle() { return journal_.settle(db_.get()); }
    const store::StoreError& lastFailure() const { return journal_.lastFailure(); }

private:
    bool writable();
    void write(int serial, const Answer& answer);
    Context& ctx_;
    memory::Source source_;
    std::unique_ptr<store::Database> db_;
    bool unavailable_ = false;
    progress::AnswerJournal journal_;
};

}  // namespace app
