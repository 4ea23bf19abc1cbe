#pragma once

// The fixture of the package tests: clean package, territory and document state, a recording
// desktop, a fresh package folder, the packed templates of the build, and the territory and staff
// of the Sofiivska Borshchahivka council that the documents print.

#include "documents/docoptions.h"
#include "model/state.h"
#include "platform/desktop.h"
#include "reference/state.h"
#include "registers/folders.h"
#include "registers/packagerun.h"
#include "registers/state.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace packagetesting {

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registers::resetState();
        registers::resetFolders();
        reference::resetState();
        model::resetState();
        documents::resetOptions();
        desktop = new platform::RecordingDesktop;
        platform::setDesktop(std::unique_ptr<platform::Desktop>(desktop));
        folder = QDir(testsupport::tempDir()).filePath(QStringLiteral("package-%1").arg(++runs));
        QDir().mkpath(folder);
        registers::folders().ReportFolder = folder;
        args.ProgramDir = testsupport::programDir();

        reference::State &ref = reference::state();
        ref.RegionName = QStringLiteral("Київська область");
        ref.DistrictName = QStringLiteral("Києво-Святошинський район");
        ref.CouncilName = QStringLiteral("Софіївсько-Борщагівська сільська");
        ref.OrganTitle = QStringLiteral("ТОВ «Земпроект»");
        ref.NDur = QStringLiteral("Коваленко І.П.");
        ref.NSkl = QStringLiteral("Шевчук О.М.");
        ref.PurposeName = QStringLiteral("для будівництва і обслуговування житлового будинку");
        // The territory's officials, as the territory dialog leaves them.
        model::state().RaiZem = QStringLiteral("Мороз В.В.");
        model::state().Golova = QStringLiteral("Ткаченко Г.С.");
        args.Arhit = QStringLiteral("Литвин О.О.");
        args.GolAdm = QStringLiteral("Гриценко П.П.");
    }
    void TearDown() override
    {
        platform::setDesktop(nullptr);
        registers::resetState();
        registers::resetFolders();
        documents::resetOptions();
    }

    platform::RecordingDesktop *desktop = nullptr;
    QString folder;
    registers::PackageArguments args;
    static inline int runs = 0;
};

} // namespace packagetesting
