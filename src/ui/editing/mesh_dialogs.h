#pragma once
// The mesh dialogs of the facade editor. `AutoMesh` asks for the number of
// nodes across and up and spreads them evenly over the facade; `autoX` asks
// for the one coordinate of a direction with a single node; `UserMesh` asks
// for the first node and the spacings and fills the facade as far as it goes
// or to the given numbers of columns and rows. They leave their result in
// the mesh settings; the editor fills its grid from them. Cancel, Esc and
// closing the window leave the settings as they were when the dialog opened.

#include <QDialog>
#include <QString>

#include "core/mesh_fill.h"
#include "core/mesh_refusal.h"
#include "ui/editing/edit_context.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace ventora::ui {

// Reads a number box: the separator rewritten, refused when empty or not a
// number; an accepted value is written back as the locale shows it.
bool ReadNumberBox(EditContext& ctx, QLineEdit* box, float& value);

class AutoXDialog : public QDialog {
  Q_OBJECT
 public:
  AutoXDialog(EditContext context, MeshSettings& mesh, QWidget* parent = nullptr);
  // Asks for the coordinate named by `what` ("X value:", "Z value:", "Y value:").
  void Ask(const QString& what);
  void OkClicked();

 protected:
  void reject() override;

 private:
  EditContext ctx_;
  MeshSettings& mesh_;
  QLabel* what_ = nullptr;
  QLineEdit* value_ = nullptr;
  MeshSettings atOpening_;
};

class AutoMeshDialog : public QDialog {
  Q_OBJECT
 public:
  AutoMeshDialog(EditContext context, MeshSettings& mesh, QWidget* parent = nullptr);
  void Open();
  void OkClicked();
  AutoXDialog* AutoX() const { return autoX_; }

 protected:
  void reject() override;

 private:
  bool ReadCount(QLineEdit* box, std::int16_t& count, const MeshBox& what);

  EditContext ctx_;
  MeshSettings& mesh_;
  QLineEdit* horNo_ = nullptr;
  QLineEdit* verNo_ = nullptr;
  AutoXDialog* autoX_ = nullptr;
  MeshSettings atOpening_;
};

class UserMeshDialog : public QDialog {
  Q_OBJECT
 public:
  UserMeshDialog(EditContext context, MeshSettings& mesh, QWidget* parent = nullptr);
  void Open();
  void OkClicked();

  // The smaller of a and b as a 16-bit count.
  static std::int16_t imin(long long a, long long b);

 protected:
  void reject() override;

 private:
  void BuildLayout();
  bool Refuse(const std::string& text, QLineEdit* focus);
  bool ReadFirstNode(float L, float zmin, float zmax);
  bool ReadSpacings(float L, float zmin, float zmax, long long& nx, long long& nz);
  void ReadCount(QLineEdit* box, long long possible, std::int16_t& count, QLineEdit* spacing,
                 const MeshBox& what);
  void FillModeChosen(bool fill);
  bool ReadBox(QLineEdit* box, float& value, const MeshBox& what, const limits::Range& range);

  EditContext ctx_;
  MeshSettings& mesh_;
  QLineEdit* x0_ = nullptr;
  QLineEdit* z0_ = nullptr;
  QLineEdit* dx_ = nullptr;
  QLineEdit* dz_ = nullptr;
  QLineEdit* horNo_ = nullptr;
  QLineEdit* verNo_ = nullptr;
  QRadioButton* fill_ = nullptr;
  QLabel* labelX0_ = nullptr;
  QLabel* labelZ0_ = nullptr;
  QLabel* labelDX_ = nullptr;
  QLabel* labelDZ_ = nullptr;
  MeshSettings atOpening_;
};

}  // namespace ventora::ui
