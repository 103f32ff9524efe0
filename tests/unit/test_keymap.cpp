#include "input/keymap.hpp"
#include "input/level_input.hpp"
#include "overworld/overworld_input.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace coilwend;

namespace {

Binding slot(std::size_t index) {
    return static_cast<Binding>(index);
}

} // namespace

TEST(Keymap, GivenTheDefaults_ThenEveryBindingHasAKeyOfItsOwn) {
    const Keymap keys = default_keymap();
    const std::set<Keycode> distinct(keys.keys.begin(), keys.keys.end());
    EXPECT_EQ(distinct.size(), kBindingCount);
    EXPECT_EQ(distinct.count(keycode::kNone), 0u) << "no binding starts unbound";
}

TEST(Keymap, GivenEverySlot_ThenItsSettingsKeyIsKeymapDotItsUniqueName) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < kBindingCount; ++i) {
        const std::string name(binding_name(slot(i)));
        EXPECT_EQ(std::string(binding_settings_key(slot(i))), "keymap." + name);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), kBindingCount);
    EXPECT_EQ(binding_settings_key(Binding::Up), "keymap.up");
    EXPECT_EQ(binding_settings_key(Binding::CycleForward2), "keymap.cycle_forward2");
    EXPECT_EQ(binding_settings_key(Binding::Exit), "keymap.exit");
}

TEST(Keymap, GivenAnUnboundSlot_WhenKeycodeZeroArrives_ThenNothingMatches) {
    Keymap keys = default_keymap();
    keys[Binding::Undo] = keycode::kNone;
    EXPECT_FALSE(keys.matches(Binding::Undo, keycode::kNone));
    EXPECT_EQ(level_key_command(keycode::kNone, keys), LevelCommand::None);
    EXPECT_EQ(overworld_key_command(keycode::kNone, keys), OverworldCommand::None);
}

TEST(Keymap, GivenTheProcessWideTable_ThenItStartsWithTheDefaultsAndKeepsChanges) {
    EXPECT_EQ(keymap(), default_keymap());
    keymap()[Binding::Reset] = 'x';
    EXPECT_EQ(keymap()[Binding::Reset], 'x');
    keymap() = default_keymap();
}

TEST(LevelKeys, GivenTheDefaults_ThenBothBindingsOfEachMoveAndOfNextWork) {
    const Keymap keys = default_keymap();
    EXPECT_EQ(level_key_command(keycode::kUp, keys), LevelCommand::Up);
    EXPECT_EQ(level_key_command(keycode::kW, keys), LevelCommand::Up);
    EXPECT_EQ(level_key_command(keycode::kDown, keys), LevelCommand::Down);
    EXPECT_EQ(level_key_command(keycode::kS, keys), LevelCommand::Down);
    EXPECT_EQ(level_key_command(keycode::kLeft, keys), LevelCommand::Left);
    EXPECT_EQ(level_key_command(keycode::kA, keys), LevelCommand::Left);
    EXPECT_EQ(level_key_command(keycode::kRight, keys), LevelCommand::Right);
    EXPECT_EQ(level_key_command(keycode::kD, keys), LevelCommand::Right);
    EXPECT_EQ(level_key_command(keycode::kE, keys), LevelCommand::NextSnake);
    EXPECT_EQ(level_key_command(keycode::kTab, keys), LevelCommand::NextSnake);
    EXPECT_EQ(level_key_command(keycode::kQ, keys), LevelCommand::PreviousSnake);
    EXPECT_EQ(level_key_command(keycode::kZ, keys), LevelCommand::Undo);
    EXPECT_EQ(level_key_command(keycode::kR, keys), LevelCommand::Reset);
    EXPECT_EQ(level_key_command(keycode::kEscape, keys), LevelCommand::Leave);
}

TEST(LevelKeys, GivenTheEnterBinding_WhenPlayingALevel_ThenItDoesNothing) {
    EXPECT_EQ(level_key_command(keycode::kReturn, default_keymap()), LevelCommand::None);
}

TEST(LevelKeys, GivenOneKeyBoundToExitAndAMove_ThenExitWinsInBothScenes) {
    Keymap keys = default_keymap();
    keys[Binding::Exit] = keycode::kW;
    EXPECT_EQ(level_key_command(keycode::kW, keys), LevelCommand::Leave);
    EXPECT_EQ(overworld_key_command(keycode::kW, keys), OverworldCommand::OpenMenu);
}

TEST(LevelKeys, GivenOneKeyBoundToSeveralCommands_ThenTheLevelOrderDecides) {
    Keymap keys = default_keymap();
    keys[Binding::Reset] = keycode::kZ; // undo is compared before reset
    EXPECT_EQ(level_key_command(keycode::kZ, keys), LevelCommand::Undo);
    keys[Binding::Up] = keycode::kQ; // previous is compared before up
    EXPECT_EQ(level_key_command(keycode::kQ, keys), LevelCommand::PreviousSnake);
    keys[Binding::Right2] = keycode::kA; // left is compared before right
    EXPECT_EQ(level_key_command(keycode::kA, keys), LevelCommand::Left);
}

TEST(LevelKeys, GivenExitRebound_ThenAndroidBackStillLeavesAndEscapeDoesNothing) {
    Keymap keys = default_keymap();
    keys[Binding::Exit] = 'x';
    EXPECT_EQ(level_key_command(keycode::kAcBack, keys), LevelCommand::Leave);
    EXPECT_EQ(level_key_command('x', keys), LevelCommand::Leave);
    EXPECT_EQ(level_key_command(keycode::kEscape, keys), LevelCommand::None);
}

TEST(LevelKeys, GivenAndroidBackBoundToAMove_ThenItStillLeaves) {
    Keymap keys = default_keymap();
    keys[Binding::Up] = keycode::kAcBack;
    EXPECT_EQ(level_key_command(keycode::kAcBack, keys), LevelCommand::Leave);
}

TEST(OverworldKeys, GivenTheDefaults_ThenExitOpensTheMenuAndMovesAndEnterWork) {
    const Keymap keys = default_keymap();
    EXPECT_EQ(overworld_key_command(keycode::kEscape, keys), OverworldCommand::OpenMenu);
    EXPECT_EQ(overworld_key_command(keycode::kW, keys), OverworldCommand::Up);
    EXPECT_EQ(overworld_key_command(keycode::kDown, keys), OverworldCommand::Down);
    EXPECT_EQ(overworld_key_command(keycode::kA, keys), OverworldCommand::Left);
    EXPECT_EQ(overworld_key_command(keycode::kRight, keys), OverworldCommand::Right);
    EXPECT_EQ(overworld_key_command(keycode::kReturn, keys), OverworldCommand::Enter);
}

TEST(OverworldKeys, GivenLevelOnlyBindings_ThenTheOverworldIgnoresThem) {
    const Keymap keys = default_keymap();
    for (const Keycode key : {keycode::kZ, keycode::kR, keycode::kE, keycode::kTab, keycode::kQ})
        EXPECT_EQ(overworld_key_command(key, keys), OverworldCommand::None) << key;
}

TEST(OverworldKeys, GivenOneKeyBoundToUpAndEnter_ThenItMovesUp) {
    Keymap keys = default_keymap();
    keys[Binding::Enter] = keycode::kUp;
    EXPECT_EQ(overworld_key_command(keycode::kUp, keys), OverworldCommand::Up);
}

TEST(OverworldButtons, GivenTheFixedMapping_ThenAEntersStartOpensTheMenuAndLevelButtonsDoNothing) {
    EXPECT_EQ(overworld_button_command(ControllerButton::A), OverworldCommand::Enter);
    EXPECT_EQ(overworld_button_command(ControllerButton::Start), OverworldCommand::OpenMenu);
    EXPECT_EQ(overworld_button_command(ControllerButton::DpadUp), OverworldCommand::Up);
    EXPECT_EQ(overworld_button_command(ControllerButton::DpadLeft), OverworldCommand::Left);
    EXPECT_EQ(overworld_button_command(ControllerButton::B), OverworldCommand::None);
    EXPECT_EQ(overworld_button_command(ControllerButton::Back), OverworldCommand::None);
}
