// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: each entry shows its text in the current interface language.
#include "form1.h"

#include "help_texts.h"
#include "settings.h"
#include "user_prompts.h"

namespace {
void showHelp(Form1& window, const texts::HelpMessage& message) {
    window.prompts().showMessage(&window, message.title, message.text, UserPrompts::Icon::None);
}
} // namespace

void Form1::mInstru_Click() {
    showHelp(*this, texts::instructions(settings::italian()));
}

void Form1::mTips_Click() {
    showHelp(*this, texts::tips(settings::italian()));
}

void Form1::mAbout_Click() {
    showHelp(*this, texts::about(settings::italian()));
}
