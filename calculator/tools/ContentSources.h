#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

class Database;

// A malformed content source: the message names the file and, where there
// is one, the line ("YUN.tsv:12: expected 10 fields, found 9").
class ContentSourceError : public std::runtime_error
{
public:
    explicit ContentSourceError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// One table's source file after parsing: the header and the data rows, each
// with the line it came from so that later errors can point at it.
struct TableSource
{
    struct Line
    {
        int number = 0;
        QStringList fields;
    };
    QString fileName;
    int headerLine = 0;
    QStringList header;
    std::vector<Line> rows;
};

// Reads the tab-separated source format of the calculator's content:
// UTF-8, lines starting with '#' and blank lines ignored, the first other
// line is the header of column names, every further line one row with as
// many fields as the header. Inside a field \n stands for a line break,
// \t for a tab and \\ for a backslash; any other backslash is an error.
TableSource parseTableSource(const QByteArray& bytes, const QString& fileName);

// Undoes the field escapes; throws with the position on an unknown escape.
QString unescapeField(const QString& field, const QString& where);

// Fills a database from the content folder: runs schema.sql, then loads
// TABLE.tsv into each table the schema created. A table in
// tablesAllowedMissing may lack its file (it stays empty, and a warning is
// added); any other missing file, a .tsv file that names no table, an
// unknown column, a wrong field count, a non-integer in an INTEGER column
// or a row the database refuses (duplicate key) is a ContentSourceError.
void loadContent(Database& db, const QString& sourceDir, const QStringList& tablesAllowedMissing,
                 QStringList* warnings = nullptr);

// Builds the database file at outputPath from the content folder. The file
// is written beside the target under a temporary name and then put in
// place, so an existing output is replaced only by a complete database.
void buildContentDatabase(const QString& sourceDir, const QString& outputPath,
                          const QStringList& tablesAllowedMissing, QStringList* warnings = nullptr);
