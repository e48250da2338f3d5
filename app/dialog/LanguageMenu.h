#pragma once

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

// The Language menu: the running language is checked; a choice is remembered for every program of the
// suite and takes effect at the next start, since the open windows were built in the running language.
class LanguageMenu {
  public:
    // Checks the running language's item.
    explicit LanguageMenu(menu::CMenuEx& menu);

    // The command of a language's item.
    void Choose(int id);

  private:
    void ShowChecks(int checkedId);

    menu::CMenuEx& menu_;
};

}  // namespace terrovane::app
