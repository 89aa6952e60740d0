// Forms, the Application object and the registry accessor.
#pragma once

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "vcl/controls.h"
#include "vcl/platform.h"

namespace vcl {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter, poDesktopCenter };
// The title bar's buttons; without the system menu there is none, not even a close box.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

class TForm : public TControl {
 public:
  explicit TForm(std::string className);
  ~TForm() override;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientSize(int w, int h);
  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  TPosition Position = TPosition::poDesigned;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TMainMenu* Menu = nullptr;

  // Runs OnShow synchronously; an exception inside is reported and the
  // showing goes on.
  void Show();
  // Asks OnCloseQuery, then hides; closing the main form ends the run.
  void Close();
  void Hide();
  void SetVisible(bool v) override;

  TNotifyEvent OnShow;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TCloseQueryEvent OnCloseQuery;

  // Components of this form, in layout order.
  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(const std::string& name) const;
  template <class T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }
  const std::vector<TTimer*> Timers() const;

  bool IsLoading() const { return loading_; }

  // Loads the named layout resource into this form (the first calls the form
  // object itself; later ones add panels under a named parent control).
  void LoadLayout(const std::string& resource, const std::string& parentName = "");
  // The same from layout text; errors name the text as `resource`.
  void LoadLayoutText(std::string_view text, const std::string& resource,
                      const std::string& parentName = "");
  // Resolves every bound member and checks each event handler exists.
  // Called by the window class once all its layouts are loaded.
  void FinishLoading();

  // Adopts a component created by the loader or by code.
  TComponent* Adopt(std::unique_ptr<TComponent> component);

  // Binding of members and handlers by name, as the window designer does.
  template <class T>
  void Bind(const std::string& name, T*& member) {
    bindings_.push_back({name,
                         [this, name, &member]() {
                           TComponent* c = FindComponent(name);
                           if (!c) BindError("", name, "is missing from the layout");
                           // Exactly the bound class, so the cast needs no search.
                           if (typeid(*c) != typeid(T))
                             BindError(c->DeclaredAt, name,
                                       "has class " + c->ClassName() + ", not the bound one");
                           member = static_cast<T*>(c);
                         },
                         &typeid(T)});
  }
  struct BoundMember {
    std::string name;
    std::function<void()> resolve;
    const std::type_info* type;
  };
  const std::vector<BoundMember>& BoundMembers() const { return bindings_; }

  void Handler(const std::string& name, TNotifyEvent fn) { notify_[name] = std::move(fn); }
  void Handler(const std::string& name, TKeyEvent fn) { key_[name] = std::move(fn); }
  void Handler(const std::string& name, TKeyPressEvent fn) { keyPress_[name] = std::move(fn); }
  // OnCloseQuery and OnChanging share one shape: (sender, bool& allow).
  void Handler(const std::string& name, TCloseQueryEvent fn) { closeQuery_[name] = std::move(fn); }
  void Handler(const std::string& name, TUDClickEvent fn) { udClick_[name] = std::move(fn); }
  // A method of the window class as a handler: Handler("Button1Click", this,
  // &TForm1::Button1Click).
  template <class Self, class... A>
  void Handler(const std::string& name, Self* self, void (Self::*method)(A...)) {
    Handler(name, std::function<void(A...)>([self, method](A... a) { (self->*method)(a...); }));
  }

  // Looked up by the loader; raise ELayoutError when absent.
  TNotifyEvent NotifyHandler(const std::string& name) const;
  TKeyEvent KeyHandler(const std::string& name) const;
  TKeyPressEvent KeyPressHandler(const std::string& name) const;
  TCloseQueryEvent CloseQueryHandler(const std::string& name) const;
  TChangingEvent ChangingHandler(const std::string& name) const;
  TUDClickEvent UDClickHandler(const std::string& name) const;

  // Layout resources loaded into this form, in order.
  const std::vector<std::string>& Layouts() const { return layouts_; }

 private:
  friend class LayoutLoader;
  [[noreturn]] void BindError(const std::string& place, const std::string& name,
                              const std::string& what) const;
  int clientWidth_ = 0, clientHeight_ = 0;
  bool loading_ = false;
  std::vector<std::unique_ptr<TComponent>> owned_;
  std::vector<TComponent*> components_;
  std::unordered_map<std::string, TComponent*> byName_;
  std::vector<BoundMember> bindings_;
  std::vector<std::string> layouts_;
  std::map<std::string, TNotifyEvent> notify_;
  std::map<std::string, TKeyEvent> key_;
  std::map<std::string, TKeyPressEvent> keyPress_;
  std::map<std::string, TCloseQueryEvent> closeQuery_;
  std::map<std::string, TUDClickEvent> udClick_;
};

// The application object: title, the platform, exception reporting and the
// outermost dispatch of every user action.
class TApplication {
 public:
  explicit TApplication(Platform& platform);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  std::string Title;
  TForm* MainForm = nullptr;
  Platform& GetPlatform() { return platform_; }

  // Shows the exception in the standard error box.
  void ShowException(std::exception_ptr e);
  // Runs an action as the outermost dispatch: nothing escapes. Once the
  // outermost one returns, the loop has the control back and the ticks a
  // pause of the action held back fire.
  void Dispatch(const std::function<void()>& action);
  // Fires the ticks that fell due during a pause, then lets the platform
  // handle what is pending.
  void ProcessMessages();
  // A pause of the program's own. Where the platform does not really wait,
  // the time still counts for the timers: the ticks that fall due in it fire
  // when messages are next processed, as after a real pause.
  void Sleep(int milliseconds);
  // Time going by while the program waits for the user (a test's clock):
  // each running timer fires as often as its interval has passed.
  void TimePassed(int milliseconds);

  // Ends the run: the message loop stops once the running dispatch returns.
  void Terminate();
  bool Terminated() const { return terminated_; }
  int MessageBox(const std::string& text, const std::string& caption, int flags);

  // Forms created with CreateForm, in creation order.
  const std::vector<TForm*>& Forms() const { return forms_; }
  void RegisterForm(TForm* form) { forms_.push_back(form); }

  // Depth of nested dispatches, for tests that check nothing leaked.
  int DispatchDepth() const { return depth_; }

 private:
  // Counts the time on each running timer; the ticks wait for FireDueTicks.
  void CountTime(int milliseconds);
  void FireDueTicks();

  Platform& platform_;
  std::vector<TForm*> forms_;
  int depth_ = 0;
  friend class TTimer;
  // The timers made in this run, in order of creation.
  std::vector<TTimer*> timers_;
  bool firingTicks_ = false;
  bool terminated_ = false;
  TApplication* previous_ = nullptr;
};

// The key-press handler of every box that names one: the Enter character is
// dropped, so Enter only ever solves.
void DropEnterKey(TObject* sender, char& key);

// The current application (one per running program).
TApplication* Application();
Platform& CurrentPlatform();

// The toolkit's ShowMessage.
void ShowMessage(const std::string& text);

// Registry accessor on the current user's root over the platform's store.
class TRegistry {
 public:
  TRegistry();
  bool OpenKey(const std::string& key, bool canCreate);
  bool OpenKeyReadOnly(const std::string& key);
  bool KeyExists(const std::string& key);
  bool ValueExists(const std::string& name);
  // Empty text when the value is absent.
  std::string ReadString(const std::string& name);
  // Raises ERegistryException "Failed to set data for '%s'" when no key is
  // open or the store refuses the value.
  void WriteString(const std::string& name, const std::string& value);
  void CloseKey();

 private:
  SettingsStore& store_;
  std::optional<std::string> key_;
};

}  // namespace vcl
