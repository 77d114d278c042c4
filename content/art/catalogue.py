"""Every image in Resources/Arts and the recipe that draws it."""
import figures
import interactables
import level2
import level3
import props
import rooms
import story
import structure
import ui


def images():
    table = {
        "empty.png": "empty.svg",
        "particle.png": "particle.svg",
        "creature_walk.png": lambda: figures.creature_strip("walk"),
        "creature_attack.png": lambda: figures.creature_strip("attack"),
        "lift_door_open_lit.png": lambda: props.lift_door_strip("open"),
        "lift_door_close_lit.png": lambda: props.lift_door_strip("close"),
        "prop_cupboard_unlit.png": lambda: props.cupboard("unlit", False),
        "prop_cupboard_unlit_hide.png": lambda: props.cupboard("unlit", True),
        "prop_cupboard_unlit_red.png": lambda: props.cupboard("red", False),
        "prop_cupboard_unlit_red_hide.png": lambda: props.cupboard("red", True),
    }
    sets = {"": ("plain", figures.PLAYER_SHEETS), "_lit": ("lit", ("idle", "run", "walk", "jump", "hide")),
            "_unlit": ("unlit", figures.PLAYER_SHEETS)}
    for suffix, (variant, anims) in sets.items():
        for anim in anims:
            table["player_%s%s.png" % (anim, suffix)] = lambda a=anim, v=variant: figures.player_strip(a, v)
    table.update(ui.images())
    table.update(rooms.images())
    table.update(story.images())
    table.update(structure.images())
    table.update(interactables.images())
    table.update(level2.images())
    table.update(level3.images())
    return table
