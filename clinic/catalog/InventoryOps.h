#pragma once

#include "platform/data/DataSet.h"
#include "platform/db/Database.h"

#include <QString>

// The drug list of the inventory window before any category is loaded, and
// after a category failed to load: the columns of 药品表 and no rows.
inline const QString kNoDrugsSql = QStringLiteral("select  *   from  药品表  where  1=2");

// The drugs filed under a category (类别ID holds the category's ID as text).
QString drugsOfCategorySql(const QString& categoryId);

// Loads the drugs of a category into the drug list and returns the category
// ID that a saved drug is then filed under. Any failure is swallowed: the
// list is reopened empty and the result is empty, so that saving asks for a
// refresh instead of filing a drug under a category that did not load.
QString loadDrugsOfCategory(Database& db, DataSet& drugs, const QString& categoryId);

// While a drug is being edited or inserted: a drug with a name and no input
// code gets the code of its name. A typed code is never overwritten, and a
// name of blanks leaves the code alone.
void fillMissingInputCode(DataSet& drugs);

// The steps before a drug is posted: it needs a loaded category (message
// otherwise, the row stays as typed), is filed under that category and gets
// its input code. Empty result: post it.
QString prepareDrugForSave(DataSet& drugs, const QString& currentCategoryId);

// Appends the current drug as one line (its 药品名, 规格 and 单位, 数量 1) to
// a prescription's line set and posts it. Refuses with a message when
// there is no current drug, so that no empty line is added. When the line
// cannot be posted it is dropped again and the error propagates.
QString addDrugToPrescription(const DataSet& drugs, DataSet& prescriptionLines);
