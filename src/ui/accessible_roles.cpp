// One accessibility factory for the widgets that paint themselves; their
// names and descriptions are the widgets' own accessible texts.
#include "ui/accessible_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tovk::ui {
namespace {

struct RoleOfClass {
  const char* className;
  QAccessible::Role role;
};

constexpr RoleOfClass kRoles[] = {
    {"tovk::ui::SectionCell", QAccessible::StaticText},
    {"tovk::ui::CaptionBox", QAccessible::Grouping},
    {"tovk::ui::HelpViewer", QAccessible::Window},
    {"tovk::ui::RateChart", QAccessible::Chart},
};

QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  for (const RoleOfClass& entry : kRoles) {
    if (className == QLatin1String(entry.className))
      return new QAccessibleWidget(widget, entry.role);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(RoleFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace tovk::ui
