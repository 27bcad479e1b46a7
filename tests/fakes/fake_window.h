// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "seam/window.h"
#include "tests/fakes/fake_list_box.h"
#include "tests/fakes/fake_png_encoder.h"

namespace murax::testing {

// The main window for command tests: one list box named "cBlk", and a record of what the commands
// asked of the window. the properties dialog's answers come from a script.
class FakeWindow : public Window {
public:
    explicit FakeWindow(AppContext& context) : context_(context) {}

    FakeListBox list;
    std::vector<std::string> titles;
    std::vector<std::string> statusTexts;
    int repaints = 0;
    // Each call of editProperties takes the next answer; an empty optional is "Cancel".
    std::deque<std::optional<std::string>> nameAnswers;
    struct NameRequest {
        std::string fieldText;
        std::size_t maxLength;
    };
    std::vector<NameRequest> nameRequests;
    // The forms the dialog opened on, and what is done to one before "Save" beyond its name.
    std::vector<PropertiesForm> forms;
    std::function<void(PropertiesForm&)> formEdit;
    // The forms the "New entry from file" dialog opened on; each call takes the next answer,
    // which fills the form in before Add or Insert; no answer, or an empty one, is "Cancel".
    std::vector<NewEntryForm> newEntryForms;
    std::deque<std::function<void(NewEntryForm&)>> newEntryAnswers;
    // The current row each time the viewer was asked for.
    std::vector<int> viewerShownOn;
    FakePngEncoder png;
    // The progress bars opened (title and text), every fraction shown, and after how many moves
    // of a bar Cancel is pressed (never when unset).
    std::vector<std::string> progressBars;
    std::vector<double> progressShown;
    std::optional<std::size_t> cancelAfterMoves;
    // What the play window shows now; a new one replaces (and so stops) it.
    std::unique_ptr<PlayingSound> playWindow;

    AppContext& app() override { return context_; }
    ListBox& listBox() override { return list; }
    void setTitle(const std::string& title) override { titles.push_back(title); }
    void repaintWithoutErasing() override { ++repaints; }
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
    std::optional<PropertiesForm> editProperties(const PropertiesForm& form) override
    {
        nameRequests.push_back({form.name, form.nameLength});
        forms.push_back(form);
        if (nameAnswers.empty())
            return std::nullopt;
        auto answer = nameAnswers.front();
        nameAnswers.pop_front();
        if (!answer)
            return std::nullopt;
        PropertiesForm saved = form;
        saved.name = *answer;
        if (formEdit)
            formEdit(saved);
        return saved;
    }
    std::optional<NewEntryForm> askNewEntry(const NewEntryForm& form) override
    {
        newEntryForms.push_back(form);
        if (newEntryAnswers.empty())
            return std::nullopt;
        const auto answer = std::move(newEntryAnswers.front());
        newEntryAnswers.pop_front();
        if (!answer)
            return std::nullopt;
        NewEntryForm filled = form;
        answer(filled);
        return filled;
    }
    void showEntryViewer() override { viewerShownOn.push_back(list.currentPosition()); }
    PngEncoder& pngEncoder() override { return png; }
    std::unique_ptr<ProgressBar> openProgressBar(const std::string& title,
                                                 const std::string& text) override
    {
        progressBars.push_back(title + ": " + text);
        return std::make_unique<Bar>(*this);
    }
    void showPlayWindow(std::unique_ptr<PlayingSound> playing) override
    {
        playWindow = std::move(playing);
    }

private:
    struct Bar : ProgressBar {
        explicit Bar(FakeWindow& owner) : window(owner) {}
        bool advance(double fraction) override
        {
            window.progressShown.push_back(fraction);
            return !window.cancelAfterMoves ||
                   window.progressShown.size() < *window.cancelAfterMoves;
        }
        FakeWindow& window;
    };

    AppContext& context_;
};

}  // namespace murax::testing
