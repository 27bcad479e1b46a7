// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "seam/desktop_services.h"

namespace murax::testing {

// A scripted desktop: answers come from queues, and everything shown or asked is recorded in
// `events`, in order, so a test can assert the whole conversation.
class FakeDesktop : public Desktop {
public:
    struct Message {
        std::string text;
        std::string title;
        int kind;
    };
    std::vector<Message> messages;
    std::vector<std::string> events;  // "beep", "message K: text", "open: title", "save: title",
                                      // "run: path", "refresh", "wait: command", "choose: title"
    std::deque<int> messageAnswers;   // buttons; when empty: the first, OK or Yes
    std::deque<std::string> openAnswers;                // when empty: "" (cancelled)
    std::vector<std::vector<std::string>> openFilters;  // the name filters each open dialog offered
    std::deque<std::string> saveAnswers;
    std::vector<std::vector<std::string>> saveFilters;  // the name filters each save dialog offered
    // Each choice takes the next answer (an empty optional is "Cancel"); when there is none, the
    // item chosen at first is taken.
    std::deque<std::optional<std::size_t>> choiceAnswers;
    struct Choice {
        std::string title, label;
        std::vector<std::string> items;
        std::size_t current;
    };
    std::vector<Choice> choices;
    std::vector<std::string> opened;               // openWithDefaultProgram
    std::vector<std::string> commandLines;         // runAndWait
    std::function<int(const std::string&)> onRun;  // what the "process" does; -1 if unset
    std::map<std::string, std::string> clipboard;  // data by MIME type
    int refreshes = 0;
    int beeps = 0;
    std::string exeFolder = "./";
    std::optional<std::uint64_t> headroom;  // memoryHeadroom; when unset, the system's
    // The sound card: none when false. Each sound started on it is kept in `sounds`, where a test
    // moves it on (`played`, `ended`, `failure` with `ended` for a card that stopped) and sees
    // whether it was silenced.
    bool soundDevice = true;
    struct Sound {
        SoundSamples* samples;
        std::uint64_t played = 0;
        bool ended = false;
        std::optional<std::string> failure{};
        bool silenced = false;
    };
    std::vector<std::shared_ptr<Sound>> sounds;

    int messageBox(const std::string& text, const std::string& title,
                   const MessageKindDescription& kind) override
    {
        const int number = static_cast<int>(kind.kind);
        messages.push_back({text, title, number});
        events.push_back("message " + std::to_string(number) + ": " + text);
        if (!messageAnswers.empty()) {
            const int answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        return kind.buttons.front();
    }
    void beep() override
    {
        ++beeps;
        events.push_back("beep");
    }
    std::string openFileDialog(const std::string& title,
                               const std::vector<std::string>& filters) override
    {
        openFilters.push_back(filters);
        events.push_back("open: " + title);
        return take(openAnswers);
    }
    std::string saveFileDialog(const std::string& title,
                               const std::vector<std::string>& filters) override
    {
        events.push_back("save: " + title);
        saveFilters.push_back(filters);
        return take(saveAnswers);
    }
    std::optional<std::size_t> chooseItem(const std::string& title, const std::string& label,
                                          const std::vector<std::string>& items,
                                          std::size_t current) override
    {
        events.push_back("choose: " + title);
        choices.push_back({title, label, items, current});
        if (choiceAnswers.empty())
            return current;
        const auto answer = choiceAnswers.front();
        choiceAnswers.pop_front();
        return answer;
    }
    void openWithDefaultProgram(const std::string& fileOrUri) override
    {
        opened.push_back(fileOrUri);
        events.push_back("run: " + fileOrUri);
    }
    void processPendingEvents() override
    {
        ++refreshes;
        events.push_back("refresh");
    }
    int runAndWait(const std::string& commandLine, int) override
    {
        commandLines.push_back(commandLine);
        events.push_back("wait: " + commandLine);
        return onRun ? onRun(commandLine) : -1;
    }
    std::string executableFolder() override { return exeFolder; }
    void setClipboardData(const std::string& mimeType, const std::string& bytes) override
    {
        clipboard = {{mimeType, bytes}};
    }
    std::optional<std::string> clipboardData(const std::string& mimeType) override
    {
        const auto found = clipboard.find(mimeType);
        return found == clipboard.end() ? std::nullopt : std::optional(found->second);
    }

    std::uint64_t memoryHeadroom() override
    {
        return headroom ? *headroom : Desktop::memoryHeadroom();
    }

    std::unique_ptr<SoundPlayback> playSound(SoundSamples& samples) override
    {
        events.push_back(std::string("play: ") + (soundDevice ? "started" : "no device"));
        if (!soundDevice)
            return nullptr;
        sounds.push_back(std::make_shared<Sound>(Sound{&samples}));
        return std::make_unique<Playback>(sounds.back());
    }

private:
    class Playback : public SoundPlayback {
    public:
        explicit Playback(std::shared_ptr<Sound> sound) : sound_(std::move(sound)) {}
        ~Playback() override { sound_->silenced = true; }
        std::uint64_t playedSamples() const override { return sound_->played; }
        bool ended() const override { return sound_->ended; }
        std::optional<std::string> failure() const override { return sound_->failure; }

    private:
        std::shared_ptr<Sound> sound_;
    };

    static std::string take(std::deque<std::string>& answers)
    {
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace murax::testing
