#pragma once

#include <QString>

class QWidget;

// One opener per clinic window: the main window's menu items and toolbar
// buttons call these, and nothing else. Each makes its window anew, prepares
// it, dresses it in the current skin and shows it; it returns false when the
// window could not be made (the half-made window is then gone).
//
// To plug a window in: replace the body of its opener in Openers.cpp with a
// call of openMdiWindow<W>(...) or openModalWindow<W>(...)
// (clinic/common/MdiWindows.h) and link the window's library into clinic_app.
// Until then an opener says that its window is not there yet.

// Modal windows, made per use.
bool OpenDrugCategoryEditor();    // 药品类别 (category class "中药"/"西药")
bool OpenRecipeCategoryEditor();  // 药方类别 (category class "药方库")
bool OpenUserAccounts();          // 用户列表

// MDI child windows; several of each may be open at once.
// The drug inventory, optionally positioned on a category and a drug (IDs as text).
bool OpenDrugInventory(const QString& categoryId = QString(), const QString& drugId = QString());
bool OpenDrugQuery();             // 药品库查询, not in selection mode
// The prescription library, optionally positioned on a category and a template.
bool OpenRecipeLibrary(const QString& categoryId = QString(), const QString& templateId = QString());
bool OpenRecipeLibraryQuery();    // 药方库查询, not in selection mode
bool OpenHistoryQuery();          // 历史药方查询, not in selection mode
// A new prescription, linked to a medical record when recordId is given.
bool OpenPrescriptionWriting(const QString& recordId = QString());
// A saved prescription (药方主表.ID) for changing.
bool OpenHistoricalPrescription(const QString& prescriptionId);
// A medical record (病历表.ID); an empty id starts a new record.
bool OpenMedicalRecord(const QString& recordId = QString());
// The record query; with a selection key it hands the chosen 病历表.ID (or
// "-1") back through SharedValues under that key.
bool OpenRecordQuery(const QString& selectionKey = QString());
bool OpenUsageStatistics();       // 用药统计

// The message an opener of a window that is not there yet shows.
QString notYetImplementedText(const QString& windowName);
