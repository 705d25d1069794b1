#pragma once

#include <QDialog>

class DataGrid;
class DataSet;
class MaintenanceController;
class FieldBinder;
class QLineEdit;
class QPushButton;

// The user accounts window "用户列表维护" (modal): the rows of 用户表.
//
//   ADOQuery1          the users, shown in the read-only grid DBGridEh1
//                      (group box "物品列表"), titled by role: 登陆名 over
//                      the column 用户名, 用户名 over the column 登陆名
//   bsSkinDBEdit1      "登陆名：" the login name (column 用户名), always writable
//   bsSkinDBEdit2      "用户名：" the display name (column 登陆名), writable
//                      only from 新增/修改 to the end of that edit
//   bsSkinDBEdit3      "密码：" the password, shown in plain text
//   bsSkinButton1..6   新增 删除 修改 保存 取消 刷新
//
// Saving checks nothing: empty names and passwords and duplicate logins are
// accepted, as the login reads the first matching row.
class TfrmUserinfo : public QDialog
{
    Q_OBJECT

public:
    // Builds the window and opens the user list; throws when it cannot be read.
    explicit TfrmUserinfo(QWidget* parent = nullptr);

    void bsSkinButton1Click(); // 新增
    void bsSkinButton2Click(); // 删除
    void bsSkinButton3Click(); // 修改
    void bsSkinButton4Click(); // 保存
    void bsSkinButton5Click(); // 取消
    void bsSkinButton6Click(); // 刷新

private:
    DataSet* ADOQuery1;
    DataGrid* DBGridEh1;
    QLineEdit* bsSkinDBEdit1;
    QLineEdit* bsSkinDBEdit2;
    QLineEdit* bsSkinDBEdit3;
    QPushButton* bsSkinButton1;
    QPushButton* bsSkinButton2;
    QPushButton* bsSkinButton3;
    QPushButton* bsSkinButton4;
    QPushButton* bsSkinButton5;
    QPushButton* bsSkinButton6;
    FieldBinder* m_fields;
    MaintenanceController* m_controller;
};

// Opens the window modally and returns when it is closed; false when it
// could not be made.
bool OpenUserinfo();
