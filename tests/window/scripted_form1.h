#pragma once

#include "form1.h"
#include "scripted_random.h"
#include "scripted_runtime.h"
#include "scripted_view.h"

#include <gtest/gtest.h>
#include <string_view>

namespace testola::testing {

// The window's behaviour over scripted controls, a scripted runtime and a scripted random source.
class ScriptedForm1Test : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(m_runtime.Reports.empty()) << m_runtime.Reports.front(); }

    // A mouse click: an enabled button takes the focus and is pressed; a disabled one lets it pass.
    void Click(std::string_view button) {
        if (m_view.IsEnabled(button)) {
            m_view.SetFocus(button);
        }
        m_form.Press(button);
    }

    // Enter or Escape, pressed where the keyboard focus is.
    void PressKey(Form1Key key) { m_form.PressKey(key, m_view.Focus()); }

    ScriptedView m_view;
    ScriptedRuntime m_runtime;
    ScriptedRandom m_random;
    Form1 m_form{m_view, m_runtime, m_random};
};

} // namespace testola::testing
