#include "app/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/DialogSeam.h"

namespace zeb {
namespace {

FileDialogScript* g_script = nullptr;

QString choose(QWidget* parent, bool save) {
  const QString startName = save ? QStringLiteral("untitled.dmw") : QStringLiteral("*.dmw");
  if (g_script) {
    g_script->requests.push_back({save, kDocumentFilter, startName});
    if (g_script->answers.empty()) return {};
    const QString answer = g_script->answers.front();
    g_script->answers.pop_front();
    return answer.isEmpty() ? QString() : QFileInfo(WithDocumentExtension(answer)).absoluteFilePath();
  }
  QFileDialog dialog(parent, save ? QStringLiteral("Save As") : QStringLiteral("Open"));
  dialog.setObjectName(save ? "dlgSave" : "dlgOpen");
  dialog.setNameFilter(kDocumentFilter);
  dialog.setDefaultSuffix(QStringLiteral("dmw"));
  // A name that does not exist may be chosen for opening too (it then only names the window).
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !save);
  dialog.selectFile(startName);
  if (ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QFileInfo(WithDocumentExtension(dialog.selectedFiles().constFirst())).absoluteFilePath();
}

}  // namespace

QString ChooseDocumentToOpen(QWidget* parent) { return choose(parent, false); }
QString ChooseDocumentToSave(QWidget* parent) { return choose(parent, true); }

QString WithDocumentExtension(const QString& name) {
  return QFileInfo(name).suffix().isEmpty() ? name + QStringLiteral(".dmw") : name;
}

FileDialogScript::FileDialogScript() : previous_(g_script) { g_script = this; }
FileDialogScript::~FileDialogScript() { g_script = previous_; }

}  // namespace zeb
