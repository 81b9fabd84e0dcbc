"""Every fighter's poses and moves.

A move is a list of frames; a frame is a pose, how many ticks it stays
(60 ticks a second) and its effects.  The game fires a frame's sound, flash
and shake on every tick the frame is shown, so an effect always sits on a
frame of rate 1, followed by the same picture held without it (`hit`).

Move order is the order of the fighter file: the game starts moves by
their number."""
import math

from body import blend, full_pose

SFX = "rsrc/sfx/"
SWING = SFX + "swing_light.wav"
SWING_HEAVY = SFX + "swing_heavy.wav"
HIT = SFX + "hit.wav"
HIT_HEAVY = SFX + "hit_heavy.wav"
THUD = SFX + "thud.wav"
WHOOSH = SFX + "projectile.wav"
STOMP = SFX + "stomp.wav"

MOVE_NAMES = ["punch", "hit_air", "hit", "kick", "extra_a", "extra_b", "hit_low",
              "knockdown", "low_punch", "low_kick", "air_punch", "air_kick",
              "signature", "flight", "taunt", "rush", "walk_fwd", "walk_back"]

STILL_NAMES = ["stand", "jump", "crouch", "ready", "attack", "victory",
               "block_air", "block", "block_low", "down"]


class Frame:
    def __init__(self, pose, rate, **fx):
        self.pose = pose
        self.rate = rate
        self.fx = fx


def P(base, **changes):
    p = dict(base)
    p.update(changes)
    return p


def hit(pose, hold, **fx):
    """An effect frame of one tick, then the same picture held quietly."""
    return [Frame(pose, 1, **fx), Frame(pose, hold)]


def tween(a, b, t):
    return blend(a, b, t)


def strike(wind, wind_rate, blow, hold, rest, sound=SWING, recover_rate=4):
    """The common shape of a blow: anticipation, the swing (with its sound
    on the in-between picture), the blow held, and the way back."""
    return ([Frame(wind, wind_rate)] + hit(tween(wind, blow, 0.5), 1, sound=sound) +
            [Frame(blow, hold), Frame(tween(blow, rest, 0.55), recover_rate)])


def jab(base, reach, lean, shift, wind, hold):
    """A front-arm punch from `base` (crouched or airborne): the arm drawn
    back by `wind`, then out to the angles `reach` while the body leans in
    by `lean` and comes forward by `shift`."""
    blow = P(base, fu=reach[0], fl=reach[1], lean=base["lean"] + lean, x=base["x"] + shift, face="shout")
    drawn = P(base, fu=base["fu"] + wind[0], fl=base["fl"] + wind[1])
    return strike(drawn, 3, blow, hold, base)


class Moveset:
    """The moves shared by every fighter, built on its stance; each fighter
    overrides what makes its style (see the subclasses below)."""

    walk_stride = 1.0
    air_height = 0      # extra pelvis height while airborne

    def __init__(self, ch):
        self.ch = ch
        d = ch.dims
        self.leg = d["thigh"] + d["shin"]
        self.stand_hip = self.leg * 0.9 + d["foot_h"] * 0.7

    # -- stances -----------------------------------------------------------
    def stance(self):
        raise NotImplementedError

    def ready(self):
        s = self.stance()
        return P(s, fu=s["fu"] + 8, bu=s["bu"] + 6, lean=s["lean"] + 3, sway=0.4)

    def crouch(self):
        s = self.stance()
        return P(s, lean=s["lean"] + 12, ft=78, fs=-12, bt=35, bs=-75, bf=40,
                 fu=s["fu"] + 5, fl=s["fl"], bu=s["bu"], bl=s["bl"], sway=0.2)

    def air(self):
        s = self.stance()
        return P(s, y=self.stand_hip + self.air_height, lean=s["lean"] + 8, ft=80, fs=-40,
                 bt=20, bs=-70, ff=60, bf=20, fu=s["fu"] + 10, bu=s["bu"] + 10, sway=-0.6)

    def guard_arms(self, pose):
        return P(pose, fu=55, fl=172, bu=45, bl=178, hand_f="fist", hand_b="fist",
                 far_arm_front=1.0, head=pose["head"] + 10)

    def block(self):
        s = self.stance()
        return self.guard_arms(P(s, lean=s["lean"] - 4, x=s["x"] - 3))

    def block_low(self):
        return self.guard_arms(self.crouch())

    def block_air(self):
        return self.guard_arms(self.air())

    def down(self):
        """Lying on the back, feet toward the opponent."""
        return dict(rot=90.0, x=-22.0, lean=0.0, head=-10.0, fu=-20.0, fl=-50.0,
                    bu=20.0, bl=40.0, ft=62.0, fs=-8.0, bt=35.0, bs=-25.0, ff=100.0,
                    bf=120.0, face="out", hand_f="open", hand_b="open", sway=0.0)

    def attack_still(self):
        return self.punch_hit()

    def victory(self):
        s = self.stance()
        return P(s, fu=118, fl=178, bu=-10, bl=40, lean=-4, head=-12, face="shout",
                 ft=10, fs=0, bt=-10, bs=-10, sway=0.6)

    def stills(self):
        return [self.stance(), self.air(), self.crouch(), self.ready(), self.attack_still(),
                self.victory(), self.block_air(), self.block(), self.block_low(), self.down()]

    # -- the standing punch --------------------------------------------------
    def punch_hit(self):
        s = self.stance()
        return P(s, fu=90, fl=90, lean=s["lean"] + 8, x=s["x"] + 10, bu=s["bu"] + 5,
                 bl=165, face="shout", ft=s["ft"] + 8, bt=s["bt"] - 6, sway=-0.3)

    def punch(self):
        s = self.stance()
        wind = P(s, fu=s["fu"] - 10, fl=s["fl"] + 10, lean=s["lean"] - 3, x=s["x"] - 3)
        h = self.punch_hit()
        return ([Frame(wind, 3)] + hit(tween(wind, h, 0.55), 1, sound=SWING) +
                [Frame(h, 5), Frame(tween(h, s, 0.5), 3), Frame(tween(h, s, 0.85), 3)])

    # -- hit reactions ---------------------------------------------------------
    def recoil(self, base, amount, head_bow=0.0):
        return P(base, lean=base["lean"] - 22 * amount, head=base["head"] - 18 * amount + head_bow,
                 x=base["x"] - 14 * amount, fu=base["fu"] - 25 * amount, fl=base["fl"] - 50 * amount,
                 bu=base["bu"] - 30 * amount, bl=base["bl"] - 40 * amount, face="hurt",
                 ft=base["ft"] + 10 * amount, sway=0.8 * amount)

    def reaction(self, base, hurt_pose, sound=HIT):
        return (hit(hurt_pose, 3, sound=sound) +
                [Frame(tween(hurt_pose, base, 0.15), 5), Frame(tween(hurt_pose, base, 0.6), 5),
                 Frame(tween(hurt_pose, base, 0.9), 3)])

    def hit_air(self):
        """Struck from above: the head snaps down and the knees give."""
        s = self.stance()
        p = P(self.recoil(s, 0.6), lean=s["lean"] + 32, head=34, x=s["x"] - 4, ft=55, fs=-25, bt=15,
              bs=-60, bf=60, fu=-10, fl=20, bu=-20, bl=10)
        return self.reaction(s, p)

    def hit_mid(self):
        s = self.stance()
        return self.reaction(s, self.recoil(s, 1.0))

    def hit_low(self):
        c = self.crouch()
        return self.reaction(c, self.recoil(c, 0.8))

    def knockdown(self):
        s = self.stance()
        impact = P(self.recoil(s, 1.3), fu=125, fl=150, bu=115, bl=150)
        fly = P(impact, rot=30.0, y=self.stand_hip + 26, x=-12.0, ft=60, fs=30, bt=40, bs=10,
                ff=140, bf=120, sway=1.0)
        fall = P(fly, rot=65.0, y=self.stand_hip * 0.6, x=-20.0, ft=50, fs=40, fu=95, fl=125, bu=85, bl=120)
        d = self.down()
        bounce = P(d, rot=82.0, fu=40, fl=10, ft=40, fs=30)
        sit = dict(rot=40.0, x=-10.0, lean=20.0, head=10.0, fu=-20.0, fl=10.0, bu=-35.0,
                   bl=0.0, ft=75.0, fs=-30.0, bt=60.0, bs=-60.0, ff=80.0, bf=60.0,
                   hand_b="open", hand_f="fist", face="hurt")
        c = self.crouch()
        return (hit(impact, 3, sound=HIT_HEAVY, flash=80, flashrate=16, shake=7) +
                [Frame(fly, 5), Frame(fall, 5)] + hit(bounce, 3, sound=THUD, shake=3) +
                [Frame(d, 16), Frame(sit, 6), Frame(tween(sit, c, 0.6), 5), Frame(c, 4),
                 Frame(tween(c, s, 0.6), 4)])

    # -- the standing kick -------------------------------------------------------
    def kick_chamber(self):
        s = self.stance()
        return P(s, ft=95, fs=-35, ff=60, lean=s["lean"] - 10, x=s["x"] - 6, bt=-8, bs=-14,
                 fu=s["fu"] + 10, bu=s["bu"] - 10, sway=-0.3)

    def kick_hit(self):
        s = self.stance()
        return P(s, ft=100, fs=100, ff=110, lean=s["lean"] - 20, x=s["x"] - 14, bt=-10, bs=-12,
                 fu=s["fu"] + 25, fl=s["fl"] + 10, bu=s["bu"] - 35, bl=s["bl"] - 50,
                 face="shout", sway=-0.6)

    def kick(self):
        s = self.stance()
        ch, h = self.kick_chamber(), self.kick_hit()
        return ([Frame(tween(s, ch, 0.5), 2), Frame(ch, 3)] + hit(tween(ch, h, 0.5), 1, sound=SWING_HEAVY) +
                [Frame(h, 6), Frame(ch, 4), Frame(tween(ch, s, 0.6), 4)])

    # -- crouching attacks ----------------------------------------------------
    def low_punch(self):
        return jab(self.crouch(), reach=(85, 85), lean=8, shift=10, wind=(-15, 5), hold=5)

    def low_kick(self):
        c = self.crouch()
        sweep = P(c, ft=86, fs=86, ff=95, lean=c["lean"] - 4, x=c["x"] - 10, bt=40, bs=-80, face="shout",
                  fu=c["fu"] - 10, bu=c["bu"] - 20, bl=c["bl"] - 60)
        chamber = P(c, ft=70, fs=20, ff=70)
        return strike(chamber, 3, sweep, 6, c, sound=SWING_HEAVY)

    # -- jumping attacks ---------------------------------------------------------
    def air_punch(self):
        return jab(self.air(), reach=(65, 60), lean=12, shift=6, wind=(-10, 20), hold=7)

    def air_kick_hit(self):
        a = self.air()
        return P(a, ft=70, fs=70, ff=85, bt=0, bs=-80, lean=a["lean"] - 18, x=a["x"] - 6,
                 face="shout", fu=a["fu"] + 30, bu=a["bu"] - 30)

    def air_kick(self):
        a = self.air()
        h = self.air_kick_hit()
        return ([Frame(tween(a, h, 0.3), 3)] + hit(tween(a, h, 0.7), 1, sound=SWING_HEAVY) +
                [Frame(h, 8), Frame(tween(h, a, 0.5), 4)])

    # -- walking ---------------------------------------------------------------------
    def walk_cycle(self):
        s = self.stance()
        k = self.walk_stride
        keys = []
        for i in range(6):
            t = i / 6.0
            ph = math.sin(2 * math.pi * t)
            lift_f = max(0.0, math.sin(2 * math.pi * t + math.pi / 2))
            lift_b = max(0.0, -math.sin(2 * math.pi * t + math.pi / 2))
            keys.append(P(s, ft=s["ft"] + 14 * k * ph + 10 * lift_f, fs=s["fs"] + 8 * k * ph - 18 * lift_f,
                          bt=s["bt"] - 14 * k * ph + 10 * lift_b, bs=s["bs"] - 8 * k * ph - 18 * lift_b,
                          fu=s["fu"] - 4 * ph, bu=s["bu"] + 4 * ph, lean=s["lean"] + 1.5 * ph,
                          sway=0.3 * ph))
        return keys

    def walk_fwd(self):
        return [Frame(p, 5) for p in self.walk_cycle()]

    def walk_back(self):
        cyc = self.walk_cycle()
        cyc = [P(p, lean=p["lean"] - 4, fu=p["fu"] + 6, head=p["head"] + 4) for p in cyc]
        return [Frame(p, 6) for p in reversed(cyc)]

    # -- taunt (move 14 is never started by the game; it is the victory pose) ----
    def taunt(self):
        s = self.stance()
        v = self.victory()
        return [Frame(tween(s, v, 0.4), 5), Frame(v, 20), Frame(P(v, fu=v["fu"] - 15), 10),
                Frame(v, 20), Frame(tween(v, s, 0.5), 6)]

    # -- the signature moves: every fighter defines its own --------------------------
    def extra_a(self):
        raise NotImplementedError

    def extra_b(self):
        raise NotImplementedError

    def special(self):
        raise NotImplementedError

    def rush(self):
        raise NotImplementedError

    def moves(self):
        return [self.punch(), self.hit_air(), self.hit_mid(), self.kick(), self.extra_a(),
                self.extra_b(), self.hit_low(), self.knockdown(), self.low_punch(),
                self.low_kick(), self.air_punch(), self.air_kick(), self.special(),
                None, self.taunt(), self.rush(), self.walk_fwd(), self.walk_back()]


class LunetMoves(Moveset):
    """Light on her toes, long kicks, somersaults."""
    walk_stride = 1.1
    air_height = 10

    def stance(self):
        return full_pose(dict(lean=5, head=-2, ft=34, fs=-4, bt=-6, bs=-38, ff=90, bf=112,
                              fu=42, fl=128, bu=26, bl=145, x=0, sway=0.0))

    def punch_hit(self):
        s = self.stance()
        return P(s, fu=92, fl=90, lean=s["lean"] + 12, x=s["x"] + 20, bu=s["bu"] + 5, bl=165,
                 face="shout", ft=s["ft"] + 14, bt=s["bt"] - 12, sway=-0.4)

    def kick_hit(self):
        s = self.stance()
        return P(s, ft=100, fs=102, ff=112, lean=s["lean"] - 26, x=s["x"] - 8, bt=-6, bs=-10, bf=100,
                 fu=s["fu"] + 30, fl=s["fl"] + 20, bu=s["bu"] - 40, bl=s["bl"] - 60, face="shout", sway=-0.7)

    def extra_a(self):
        # a spinning back fist
        s = self.stance()
        turn = P(s, fu=-40, fl=10, bu=80, bl=80, lean=s["lean"] - 6, x=s["x"] - 4, far_arm_front=1.0, sway=0.8)
        h = P(s, fu=95, fl=100, hand_f="open", lean=s["lean"] + 10, x=s["x"] + 12, face="shout", sway=-0.8)
        return strike(turn, 4, h, 6, s, recover_rate=5)

    def extra_b(self):
        # a high crescent kick
        s = self.stance()
        up = P(s, ft=150, fs=150, ff=160, lean=s["lean"] - 32, x=s["x"] - 14, bt=-8, bs=-10, bf=100,
               fu=s["fu"] + 40, bu=-30, bl=-10, face="shout", sway=-0.8)
        down = P(s, ft=100, fs=105, ff=115, lean=s["lean"] - 22, x=s["x"] - 12, bt=-8, bs=-10, bf=100,
                 fu=s["fu"] + 25, bu=-20, bl=20, face="shout")
        return ([Frame(self.kick_chamber(), 4)] + hit(up, 1, sound=SWING_HEAVY) +
                [Frame(up, 4), Frame(down, 5), Frame(tween(down, s, 0.5), 5)])

    def air_kick(self):
        # a somersault kick: one full turn over eight ticks (45 degrees a tick)
        a = self.air()
        tuck = P(a, ft=100, fs=-60, bt=90, bs=-70, fu=100, fl=160, bu=90, bl=170, lean=a["lean"] + 20)
        h = P(self.air_kick_hit(), ft=75, fs=75)
        return ([Frame(tuck, 1, sound=SWING_HEAVY), Frame(tuck, 8, spin=45)] +
                [Frame(h, 9), Frame(tween(h, a, 0.5), 4)])

    def special(self):
        # a crescent of moonlight thrown from both palms
        s = self.stance()
        gather = P(s, fu=-20, fl=40, bu=-30, bl=30, lean=s["lean"] - 8, x=s["x"] - 6, hand_f="open",
                   hand_b="open", sway=0.6)
        thrust = P(s, fu=88, fl=90, bu=82, bl=88, lean=s["lean"] + 12, x=s["x"] + 10, hand_f="open",
                   hand_b="open", far_arm_front=1.0, face="shout", ft=s["ft"] + 12, sway=-0.8)
        return ([Frame(tween(s, gather, 0.5), 3)] + hit(gather, 5, flash=60, flashrate=8) +
                [Frame(tween(gather, thrust, 0.5), 2, fire=1)] +
                hit(thrust, 9, sound=WHOOSH) + [Frame(tween(thrust, s, 0.5), 5)])

    def rush(self):
        # cartwheeling spin kicks across the floor
        s = self.stance()
        tuck = P(s, ft=100, fs=-50, bt=70, bs=-60, fu=120, fl=150, bu=110, bl=160, lean=s["lean"] + 25)
        kick = P(self.kick_hit(), ft=95, fs=95)
        frames = [Frame(tween(s, tuck, 0.5), 3)]
        for _ in range(3):
            frames += [Frame(tuck, 1, sound=SWING_HEAVY), Frame(tuck, 12, spin=-30)]
        frames += hit(kick, 8) + [Frame(tween(kick, s, 0.5), 5)]
        return frames


    def signature(self):
        s = self.stance()
        return P(self.kick_hit(), ft=125, fs=128, ff=138, lean=s["lean"] - 34, fu=80, fl=140, bu=-40, bl=-20)


class HalvardMoves(Moveset):
    """Slow, wide, heavy: haymakers, a shoulder charge, a ground pound."""
    walk_stride = 0.8

    def stance(self):
        return full_pose(dict(lean=10, head=4, ft=28, fs=2, bt=-10, bs=-22, ff=95, bf=85,
                              fu=24, fl=120, bu=10, bl=135, x=0, sway=0.0))

    def punch_hit(self):
        s = self.stance()
        return P(s, fu=92, fl=86, lean=s["lean"] + 12, x=s["x"] + 12, bu=s["bu"] - 10, bl=120,
                 face="shout", ft=s["ft"] + 10, bt=s["bt"] - 8)

    def extra_a(self):
        # an overhead hammer blow
        s = self.stance()
        up = P(s, fu=150, fl=172, bu=142, bl=170, lean=s["lean"] - 10, x=s["x"] - 6, far_arm_front=1.0,
               face="shout")
        down = P(s, fu=80, fl=40, bu=75, bl=45, lean=s["lean"] + 30, x=s["x"] + 16, far_arm_front=1.0,
                 face="shout", ft=40, fs=0)
        return ([Frame(tween(s, up, 0.5), 3), Frame(up, 6)] + hit(down, 1, sound=SWING_HEAVY) +
                [Frame(down, 4, shake=2), Frame(down, 5), Frame(tween(down, s, 0.5), 6)])

    def extra_b(self):
        # a knee lift
        s = self.stance()
        knee = P(s, ft=120, fs=10, ff=40, lean=s["lean"] - 6, x=s["x"] + 8, fu=120, fl=60, bu=110, bl=60,
                 face="shout", far_arm_front=1.0)
        return ([Frame(tween(s, knee, 0.4), 4)] + hit(knee, 1, sound=SWING_HEAVY) +
                [Frame(knee, 7), Frame(tween(knee, s, 0.5), 6)])

    def special(self):
        # the ground pound: both fists into the road, the screen shakes
        s = self.stance()
        up = P(s, fu=152, fl=176, bu=146, bl=172, lean=s["lean"] - 14, x=s["x"] - 4, far_arm_front=1.0,
               face="shout", ft=s["ft"] + 6, bt=s["bt"] - 6)
        slam = P(self.crouch(), fu=70, fl=20, bu=66, bl=16, lean=45, x=s["x"] + 14, far_arm_front=1.0,
                 face="shout")
        return ([Frame(tween(s, up, 0.5), 4)] + hit(up, 9, flash=50, flashrate=6) +
                hit(slam, 1, sound=STOMP, shake=12, flash=140, flashrate=12) +
                [Frame(slam, 12), Frame(tween(slam, s, 0.5), 8)])

    def rush(self):
        # the shoulder charge
        s = self.stance()
        lower = P(s, lean=38, head=-20, x=s["x"] + 8, fu=40, fl=100, bu=10, bl=150, ft=45, fs=0,
                  bt=-30, bs=-20, face="shout")
        frames = [Frame(tween(s, lower, 0.5), 4)] + hit(lower, 1, sound=SWING_HEAVY, shake=3)
        for i in range(4):
            step = P(lower, ft=45 + (15 if i % 2 else -10), bt=-30 + (-15 if i % 2 else 10))
            frames.append(Frame(step, 6))
        frames += [Frame(tween(lower, s, 0.5), 6)]
        return frames


    def signature(self):
        s = self.stance()
        return P(self.punch_hit(), lean=s["lean"] + 16, x=s["x"] + 14, bu=-30, bl=40, ft=s["ft"] + 16,
                 bt=s["bt"] - 14, head=-6)


class TamsinMoves(Moveset):
    """Quick hands: jabs, hooks, a rising uppercut, a flurry."""
    walk_stride = 1.0
    air_height = 6

    def stance(self):
        return full_pose(dict(lean=14, head=8, ft=36, fs=-8, bt=-6, bs=-40, ff=90, bf=115,
                              fu=28, fl=168, bu=16, bl=172, x=0, sway=0.0))

    def punch_hit(self):
        s = self.stance()
        return P(s, fu=88, fl=92, lean=s["lean"] + 10, x=s["x"] + 16, face="shout",
                 ft=s["ft"] + 12, bt=s["bt"] - 10)

    def kick_hit(self):
        s = self.stance()
        return P(s, ft=92, fs=92, ff=100, lean=s["lean"] - 16, x=s["x"] - 4, bt=-10, bs=-12,
                 fu=s["fu"] + 10, bu=s["bu"], face="shout")

    def extra_a(self):
        # a hook from the far hand
        s = self.stance()
        wind = P(s, bu=-20, bl=80, lean=s["lean"] - 4, x=s["x"] - 3, far_arm_front=1.0)
        h = P(s, bu=95, bl=95, fu=10, fl=150, lean=s["lean"] + 14, x=s["x"] + 16, far_arm_front=1.0,
              face="shout", ft=s["ft"] + 12)
        return strike(wind, 3, h, 5, s, recover_rate=5)

    def extra_b(self):
        # a body blow from a low stance
        c = self.crouch()
        h = P(c, fu=80, fl=100, lean=c["lean"] + 6, x=c["x"] + 14, face="shout")
        return ([Frame(tween(self.stance(), c, 0.6), 3)] + hit(h, 1, sound=SWING) +
                [Frame(h, 6), Frame(tween(h, self.stance(), 0.5), 5)])

    def special(self):
        # the rising uppercut: crouch, then up through the opponent's guard
        c = self.crouch()
        s = self.stance()
        rise = P(s, y=self.stand_hip + 30, fu=160, fl=172, bu=20, bl=140, lean=-6, head=-14,
                 ft=40, fs=-30, bt=-10, bs=-40, ff=120, bf=140, face="shout", sway=-1.0)
        mid = P(s, fu=120, fl=150, lean=4, ft=40, fs=-10, face="shout")
        return ([Frame(P(c, fu=10, fl=120), 5)] + hit(mid, 1, sound=SWING_HEAVY) +
                [Frame(mid, 2)] + hit(rise, 1, flash=60, flashrate=10) +
                [Frame(rise, 10), Frame(tween(rise, s, 0.5), 6), Frame(s, 3)])

    def rush(self):
        # a flurry of jabs on the move
        s = self.stance()
        frames = []
        for i in range(4):
            jab_f = P(self.punch_hit(), ft=s["ft"] + (16 if i % 2 else 4))
            jab_b = P(s, bu=92, bl=90, fu=20, fl=160, far_arm_front=1.0, lean=s["lean"] + 8,
                      x=s["x"] + 14, face="shout", bt=s["bt"] - (14 if i % 2 else 2))
            frames += hit(jab_f, 4, sound=SWING) + hit(jab_b, 4, sound=SWING)
        frames += [Frame(tween(self.punch_hit(), s, 0.5), 5)]
        return frames


    def signature(self):
        s = self.stance()
        return P(s, fu=150, fl=175, bu=60, bl=150, lean=-2, head=-10, ft=40, fs=-20, bt=-10, bs=-30,
                 face="shout", sway=-0.8)


class MorrowMoves(Moveset):
    """Long reach: palm strikes, kicks from afar, a flame thrown from the hand."""
    walk_stride = 0.9

    def stance(self):
        return full_pose(dict(lean=-2, head=4, ft=22, fs=-2, bt=-8, bs=-24, ff=92, bf=92,
                              fu=36, fl=118, bu=18, bl=112, x=0, hand_f="open", hand_b="open", sway=0.0))

    def punch_hit(self):
        s = self.stance()
        return P(s, fu=90, fl=92, lean=s["lean"] + 14, x=s["x"] + 24, hand_f="open", face="shout",
                 ft=s["ft"] + 16, bt=s["bt"] - 12)

    def kick_hit(self):
        s = self.stance()
        return P(s, ft=94, fs=94, ff=104, lean=s["lean"] - 18, x=s["x"] - 6, bt=-8, bs=-10,
                 fu=s["fu"] + 20, fl=s["fl"] + 30, face="shout", sway=-0.7)

    def extra_a(self):
        # a double palm strike
        s = self.stance()
        wind = P(s, fu=20, fl=60, bu=15, bl=60, lean=s["lean"] - 4, far_arm_front=1.0, hand_b="open")
        h = P(s, fu=90, fl=92, bu=84, bl=88, lean=s["lean"] + 10, x=s["x"] + 8, far_arm_front=1.0,
              hand_b="open", face="shout")
        return strike(wind, 4, h, 6, s, recover_rate=5)

    def extra_b(self):
        # an axe kick: the heel comes down from above
        s = self.stance()
        up = P(s, ft=150, fs=150, ff=160, lean=s["lean"] - 26, x=s["x"] - 10, bt=-6, bs=-8,
               face="shout", sway=-0.8)
        down = P(s, ft=85, fs=80, ff=95, lean=s["lean"] + 6, x=s["x"] - 2, face="shout")
        return ([Frame(self.kick_chamber(), 4), Frame(up, 5)] + hit(down, 1, sound=SWING_HEAVY, shake=3) +
                [Frame(down, 5), Frame(tween(down, s, 0.5), 5)])

    def air_kick(self):
        a = self.air()
        h = P(self.air_kick_hit(), ft=55, fs=55, ff=70)
        return ([Frame(tween(a, h, 0.3), 3)] + hit(tween(a, h, 0.7), 1, sound=SWING_HEAVY) +
                [Frame(h, 9), Frame(tween(h, a, 0.5), 4)])

    def special(self):
        # a ghost flame gathered in the far hand and thrown from the near one
        s = self.stance()
        gather = P(s, fu=-10, fl=70, bu=-40, bl=-10, lean=s["lean"] - 10, x=s["x"] - 8, hand_b="open",
                   sway=0.6)
        throw = P(s, fu=86, fl=88, bu=-35, bl=-60, lean=s["lean"] + 12, x=s["x"] + 10, face="shout",
                  ft=s["ft"] + 12, sway=-0.8)
        return ([Frame(tween(s, gather, 0.5), 3)] + hit(gather, 6, flash=60, flashrate=8) +
                [Frame(tween(gather, throw, 0.5), 2, fire=1)] +
                hit(throw, 9, sound=WHOOSH) + [Frame(tween(throw, s, 0.5), 5)])

    def rush(self):
        # a gliding flying kick
        s = self.stance()
        glide = P(self.kick_hit(), y=self.stand_hip + 16, bt=20, bs=-60, bf=40, ft=96, fs=96)
        frames = [Frame(self.kick_chamber(), 4)] + hit(glide, 1, sound=SWING_HEAVY)
        frames += [Frame(glide, 22), Frame(tween(glide, s, 0.5), 6)]
        return frames


    def signature(self):
        s = self.stance()
        return P(s, fu=88, fl=90, bu=-35, bl=-60, lean=s["lean"] + 12, x=s["x"] + 10, face="shout",
                 ft=s["ft"] + 12, sway=-0.8)


MOVESETS = {"lunet": LunetMoves, "halvard": HalvardMoves, "tamsin": TamsinMoves,
            "morrow": MorrowMoves}
