#ifndef INPUT_INPUT_BUFFER_H
#define INPUT_INPUT_BUFFER_H

// A punch, kick or finished combo that came while the fighter could not act
// yet. It is kept for a few frames and replayed on the first frame the move
// gate opens, as if it had come then, so a press made a little early is not
// lost. Older than the window, it is dropped: a press long before the end of
// a move was not meant for the next one. Plain numbers only, so the state
// of a match can be copied as it stands.
class state_buffer;

class input_buffer {
public:
    enum { NOTHING = -1, WINDOW_FRAMES = 6 };

    input_buffer();

    // Keeps `input` (an action or a combo type), replacing an older one.
    void keep(int input);
    // One frame has passed; an input kept longer than the window is dropped.
    void age_one_frame();
    void clear();

    void save(state_buffer& out) const;
    void restore(state_buffer& in);

    int input;  // NOTHING when empty
    int age;    // frames since it was kept

private:
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
};

#endif
