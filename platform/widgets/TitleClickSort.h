#pragma once

class QTableView;

// Sorting a grid by a click on a column title. The grid's model must be a
// DataSetModel; the rows already fetched are sorted, the query is not re-run.
//
// The first click on a column sorts ascending and marks its title with "↓";
// each further click toggles descending ("↑") and ascending ("↓"). A title
// whose text already holds an arrow counts as marked. Clicking another column
// removes the first arrow of each of the others. A failure (a column without
// a field, a sort the set refuses) is shown in a plain message box with the
// error's own text, and nothing else changes.
void SortByTitleClick(QTableView* grid, int column);

// Makes title clicks of the grid call SortByTitleClick. Attaching again does
// nothing more.
void attachTitleClickSort(QTableView* grid);
