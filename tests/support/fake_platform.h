// A desktop for tests: records every call and answers dialogs from a script.
#pragma once

#include <QStringList>
#include <QTest>
#include <deque>
#include <map>

#include "forms/form.h"
#include "forms/platform.h"

// A voice for tests: answers with a scripted status and records what it was asked to say.
struct FakeSpeech : forms::Speech {
    Status answer = Status::Ready;
    int statusQueries = 0;  // how often a window asked (the real engine starts at the first)
    QStringList said;
    Status status() override {
        ++statusQueries;
        return answer;
    }
    void say(const QString& text) override {
        if (answer == Status::Ready) said << text;
    }
};

struct FakePlatform : forms::Platform {
    struct Message {
        QString text, caption;
        forms::MsgIcon icon;
    };
    std::vector<Message> messages;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<bool> confirmAnswers;
    QStringList questions;
    std::vector<QString> inputPrompts;
    std::deque<std::optional<forms::FontSpec>> fontAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QStringList saveSuggestions;  // the file names the save dialogs offered
    int beeps = 0;
    std::map<QString, bool> topmost;  // last topmost request per window
    QStringList topmostCalls;         // "Plurqsp:on", "Plurqsp:off"
    QSize screen{1280, 1024};
    QDateTime clock = QDateTime(QDate(2026, 12, 8), QTime(10, 0));

    void messageBox(const QString& text, const QString& caption, forms::MsgIcon icon) override {
        messages.push_back({text, caption, icon});
    }
    bool confirm(const QString& text, const QString&) override {
        questions << text;
        if (confirmAnswers.empty()) {
            QTest::qFail(qPrintable("unscripted question: " + text), __FILE__, __LINE__);
            return false;
        }
        const bool a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    std::optional<QString> inputBox(const QString& prompt, const QString&, const QString&) override {
        inputPrompts.push_back(prompt);
        if (inputAnswers.empty()) {
            // A test that does not say what the learner answers has not thought about it.
            QTest::qFail(qPrintable("unscripted input box: " + prompt), __FILE__, __LINE__);
            return std::nullopt;
        }
        auto a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    std::optional<forms::FontSpec> fontDialog() override {
        if (fontAnswers.empty()) {
            QTest::qFail("unscripted font dialog", __FILE__, __LINE__);
            return std::nullopt;
        }
        auto a = fontAnswers.front();
        fontAnswers.pop_front();
        return a;
    }
    std::optional<QString> saveFileName(const QString&, const QString& suggestedName,
                                        const QString&) override {
        saveSuggestions << suggestedName;
        if (saveAnswers.empty()) {
            QTest::qFail(qPrintable("unscripted save dialog: " + suggestedName), __FILE__, __LINE__);
            return std::nullopt;
        }
        auto a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }
    bool setTopmost(const forms::Form& form, bool on) override {
        topmost[form.name()] = on;
        topmostCalls << form.name() + (on ? QStringLiteral(":on") : QStringLiteral(":off"));
        return true;
    }
    QSize screenSize() const override { return screen; }
    QDateTime now() const override { return clock; }
    FakeSpeech voice;
    forms::Speech& speech() override { return voice; }
    void useLanguage(const QString& code) override { language = code; }
    QString language;
};
