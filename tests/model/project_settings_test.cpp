#include "project_file.h"
#include "project_settings.h"
#include "sample_models.h"
#include "test_paths.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(ProjectSettings, AProjectWithoutSettingsIsWrittenAsBefore) {
    for (const char* example : {"blocco-1-campata.orv", "palazzina-4-piani.orv"}) {
        const std::string bytes = testing::readBytes(testing::example(example));
        const ProjectReadResult read = parseProject(bytes);
        ASSERT_TRUE(read.model) << read.error;
        EXPECT_TRUE(read.model->settings.empty());
        EXPECT_EQ(projectText(*read.model), bytes) << example;
    }
}

TEST(ProjectSettings, SectionFollowsTheLastRecordAndReadsBack) {
    Model m = testing::fullFrame(2, 2, 1);
    m.settings.setNumber(settingKey::concreteClass, 30);
    m.settings.setText("relazione.progettista", "Ing. Niccolò Rossi\r\nAlbo 123\\b");
    m.settings.setNumber("sisma.ag", 0.0625);
    const std::string text = projectText(m);

    Model plain = m;
    plain.settings = {};
    const std::string records = projectText(plain);
    ASSERT_EQ(text.substr(0, records.size()), records);
    EXPECT_EQ(text.substr(records.size()),
              "\r\n[Impostazioni Orvanta]\r\nversione=1\r\ncalcestruzzo.rck=30\r\n"
              "relazione.progettista=Ing. Niccolò Rossi\\r\\nAlbo 123\\\\b\r\n"
              "sisma.ag=0.0625\r\n");

    const ProjectReadResult read = parseProject(text);
    ASSERT_TRUE(read.model) << read.error;
    EXPECT_EQ(*read.model, m);
    EXPECT_EQ(read.model->settings.number(settingKey::concreteClass), 30.0);
    EXPECT_EQ(read.model->settings.text("relazione.progettista"),
              "Ing. Niccolò Rossi\r\nAlbo 123\\b");
}

TEST(ProjectSettings, UnknownKeysAndLaterVersionsAreKeptOnResave) {
    const Model m = testing::fullFrame(2, 2, 1);
    const std::string fromLaterVersion = projectText(m) +
                                         "\r\n[Impostazioni Orvanta]\r\nversione=7\r\n"
                                         "futuro.chiave=abc\r\nriga senza uguale\r\n"
                                         "chiave con spazi=1\r\ncalcestruzzo.rck=35\r\n";
    const ProjectReadResult read = parseProject(fromLaterVersion);
    ASSERT_TRUE(read.model) << read.error;
    EXPECT_EQ(read.model->settings.text("futuro.chiave"), "abc");
    EXPECT_EQ(read.model->settings.number(settingKey::concreteClass), 35.0);
    EXPECT_EQ(read.model->settings.values().size(), 2u);
    const ProjectReadResult again = parseProject(projectText(*read.model));
    ASSERT_TRUE(again.model);
    EXPECT_EQ(again.model->settings, read.model->settings);
}

TEST(ProjectSettings, TextAfterTheRecordsThatIsNoSectionIsIgnoredAsBefore) {
    const Model m = testing::fullFrame(2, 2, 1);
    for (const char* tail : {"", "\r\n", "\r\n\r\n  ", "\r\nqualcosa d'altro=1\r\n"}) {
        const ProjectReadResult read = parseProject(projectText(m) + tail);
        ASSERT_TRUE(read.model) << read.error;
        EXPECT_TRUE(read.model->settings.empty()) << tail;
    }
}

TEST(ProjectSettings, KeysAndNumbersAreChecked) {
    ProjectSettings s;
    EXPECT_FALSE(s.setText("", "x"));
    EXPECT_FALSE(s.setText("con spazio", "x"));
    EXPECT_FALSE(s.setText("a=b", "x"));
    EXPECT_FALSE(s.setText("versione", "2"));
    EXPECT_FALSE(s.setNumber("nan", std::nan("")));
    EXPECT_TRUE(s.empty());

    EXPECT_TRUE(s.setNumber("a", 0.1));
    EXPECT_EQ(s.text("a"), "0.1");
    EXPECT_EQ(s.number("a"), 0.1);
    EXPECT_TRUE(s.setText("b", "0,1"));
    EXPECT_EQ(s.number("b"), std::nullopt); // a decimal comma is no number of the file
    EXPECT_TRUE(s.setText("c", "1e400"));
    EXPECT_EQ(s.number("c"), std::nullopt);
    s.erase("a");
    EXPECT_EQ(s.text("a"), std::nullopt);
}

} // namespace
} // namespace orvanta
