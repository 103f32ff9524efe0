// Text glyphs in pixel space, origin at the top left of the drawable.
in vec2 position;
in vec4 color;
in vec2 uv;

uniform float width;
uniform float height;

out vec4 fcolor;
out vec2 fuv;

void main() {
    gl_Position = vec4(position.x / width * 2.0 - 1.0, -position.y / height * 2.0 + 1.0, 0.0, 1.0);
    fcolor = color;
    fuv = uv;
}
