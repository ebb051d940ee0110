// Window creation in the order start-up needs.
#pragma once

namespace app {

// Builds the window from its layout, sets the program-wide reference, and only then runs the
// window's creation handler, so that the handler can already reach its window through it.
template <typename Form> Form* createForm(Form*& reference) {
    auto* form = new Form;
    reference = form;
    if constexpr (requires { form->FormCreate(); }) {
        form->FormCreate();
    }
    return form;
}

} // namespace app
