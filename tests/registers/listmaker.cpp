// A running copy of the program as the test of two copies at work in one folder needs it: makes
// list No 2 of one parcel again and again into one work folder, each list naming its copy and its
// turn, and prints the path each list was saved under.
//
//     listmaker <folder> <copy> <count>

#include "common/error.h"
#include "model/state.h"
#include "platform/desktop.h"
#include "registers/lists.h"

#include <QCoreApplication>
#include <QTextStream>
#include <memory>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    platform::setDesktop(std::make_unique<platform::RecordingDesktop>()); // nothing is shown
    office::WordApp word;
    word.SetWorkFolder(args[1]);
    QTextStream out(stdout);
    const int count = args[3].toInt();
    for (int k = 1; k <= count; ++k) {
        model::Parcel parcel;
        parcel.Number = QStringLiteral("1");
        parcel.NM = QStringLiteral("[%1 %2]").arg(args[2]).arg(k, 2, 10, QLatin1Char('0'));
        parcel.Selected = -1;
        model::state().Parcels.Clear();
        model::state().Parcels.Add(parcel);
        try {
            out << registers::MakeSpis2(word, QStringLiteral(ZOVA_PROGRAM_DIR)).Path << '\n';
        } catch (const zova::Error &e) {
            QTextStream(stderr) << e.fullText() << '\n';
            return 1;
        }
    }
    return 0;
}
