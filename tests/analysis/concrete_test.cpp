#include "concrete.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(Concrete, StrengthsAndModulusOfTheCode) {
    // Rck 30: fck = 24.9, fcm = 32.9, Ecm = 22000·3.29^0.3 = 31 447; fcd = 0.85·24.9/1.5 = 14.11.
    EXPECT_NEAR(characteristicStrength(30), 24.9, 1e-12);
    EXPECT_NEAR(secantModulus(30), 31447.2, 0.1);
    EXPECT_NEAR(designStrength(30), 14.11, 1e-12);
    // Rck 45: 34 625, where 5700·√45 would give 38 237.
    EXPECT_NEAR(secantModulus(45), 34625.5, 0.1);
}

TEST(Concrete, ClassNames) {
    EXPECT_EQ(concreteClassName(30), "C25/30");
    EXPECT_EQ(concreteClassName(45), "C35/45");
    EXPECT_EQ(concreteClassName(55), "C45/55");
    EXPECT_EQ(concreteClassName(33), "Rck 33");
}

TEST(Concrete, TheProjectsOwnClassAndCrackedFactor) {
    Model m;
    EXPECT_EQ(projectConcreteClass(m), 30.0);
    EXPECT_EQ(projectCrackedFactor(m), 1.0);
    m.settings.setNumber(settingKey::concreteClass, 45);
    m.settings.setNumber(settingKey::crackedFactor, 0.5);
    EXPECT_NEAR(projectStiffnessModulus(m), 0.5 * 34625.5, 0.1);
}

} // namespace
} // namespace orvanta
