// Old film: a flickering, grainy, scratched black-and-white projection. The grain is one texel
// of the photo file in size (MyTextureResolution0) and moves with the effect time (Time).
technique OldFilm
{
    pass Projection
    {
        fragment = OldFilmFragment;
    }
}

shader OldFilmFragment
<<<
uniform sampler2D MyTexture0;
uniform vec4 MyTextureResolution0;
uniform float Time;

in vec2 TexCoord;
out vec4 FragColour;

float Hash(vec2 p) {
    return fract(sin(dot(p, vec2(12.9898, 78.233))) * 43758.5453);
}

void main() {
    vec4 texel = texture(MyTexture0, TexCoord);
    float grey = dot(texel.rgb, vec3(0.299, 0.587, 0.114));
    float frame = floor(Time * 18.0);
    float flicker = 0.9 + 0.1 * Hash(vec2(frame, 7.0));
    vec2 pixel = floor(TexCoord * max(MyTextureResolution0.xy, vec2(1.0)));
    float grain = (Hash(pixel + frame) - 0.5) * 0.15;
    float scratchAt = Hash(vec2(floor(Time * 3.0), 1.0));
    float scratch = step(abs(TexCoord.x - scratchAt), 0.0015) * 0.35;
    vec2 centred = TexCoord - 0.5;
    float vignette = clamp(1.0 - dot(centred, centred) * 1.6, 0.0, 1.0);
    vec3 tone = vec3(1.0, 0.96, 0.86) * (grey * flicker * vignette + grain + scratch);
    FragColour = vec4(clamp(tone, 0.0, 1.0), texel.a);
}
>>>
