#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

TEST(DataFile, AddDataEventItemSharesTheDictionaryItem) {
    clsAdisDataFile file;
    file.DataDict = std::make_shared<clsAdisDataDict>();
    const auto item = file.DataDict->AddItem(900080, 3, 16, 0);
    EXPECT_EQ(file.AddDataEventItem(390001, 900080), item);
    EXPECT_EQ(file.DataEvents.Item("390001")->Items()->Item(1), item);
    EXPECT_THROW(file.AddDataEventItem(390001, 900080), LinkError);
    EXPECT_THROW(file.AddDataEventItem(390001, 123), LinkError);

    file.OutFilePath.append("out.dat");
    file.Clear();
    EXPECT_TRUE(file.OutFilePath.empty());
    EXPECT_EQ(file.DataEvents.Count(), 0);
}

TEST(DataFile, SearchItemsAndRenumbering) {
    clsAdisDataFile file;
    auto request = file.RequestEvents.AddItem(55021, nullptr, 0, nullptr);
    EXPECT_FALSE(file.GetSearchItem(55021, 900080));
    request->SearchItems()->AddItem(900080, AdisValues::Text("1"), AdisValues::Text("5"));
    EXPECT_TRUE(file.GetSearchItem(55021, 900080));
    EXPECT_FALSE(file.GetSearchItem(55021, 900070));

    EXPECT_TRUE(file.ChangeEventNo(55021, 55031)); // only requests hold it
    EXPECT_TRUE(file.RequestEvents.Exists("055031"));
    EXPECT_FALSE(file.ChangeEventNo(55021, 55031));
}
