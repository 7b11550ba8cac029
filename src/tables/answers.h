// The typed-answer dispatch: the answer in the input box is committed when
// the box loses the focus. Text2_LostFocus reads it once and hands it to the
// running command through the answer table. Called by the Qt input box and
// by clicks on other controls.
#pragma once

struct App;

// The box lost the focus: parse and dispatch.
void Text2_LostFocus(App& app);
// A click on another control takes the focus from the input box: a shown
// box commits its answer first, then the control's click runs.
void CommitThenClick(App& app, void (*click)(App&, int), int row);
