// Glossy: the photo lit by the scene's light (LightPos) with a highlight that moves with the
// camera (EyePos), as if printed on glossy paper. Shows a vertex stage of its own.
technique Glossy
{
    pass Lit
    {
        vertex = GlossyVertex;
        fragment = GlossyFragment;
    }
}

shader GlossyVertex
<<<
layout(location = 0) in vec3 Position;
layout(location = 1) in vec3 VertexNormal;
layout(location = 3) in vec2 VertexTexCoord;

uniform mat4 World;
uniform mat4 WorldViewProjection;
uniform mat4 WorldInverseTranspose;

out vec2 TexCoord;
out vec3 Normal;
out vec3 WorldPosition;

void main() {
    gl_Position = WorldViewProjection * vec4(Position, 1.0);
    WorldPosition = (World * vec4(Position, 1.0)).xyz;
    Normal = mat3(WorldInverseTranspose) * VertexNormal;
    TexCoord = VertexTexCoord;
}
>>>

shader GlossyFragment
<<<
uniform sampler2D MyTexture0;
uniform vec4 LightPos;
uniform vec4 EyePos;
uniform vec4 SpecularCol;

in vec2 TexCoord;
in vec3 Normal;
in vec3 WorldPosition;
out vec4 FragColour;

void main() {
    vec4 texel = texture(MyTexture0, TexCoord);
    vec3 normal = length(Normal) > 0.0 ? normalize(Normal) : vec3(0.0, 1.0, 0.0);
    vec3 toLight = normalize(LightPos.xyz - WorldPosition);
    vec3 toEye = normalize(EyePos.xyz - WorldPosition);
    // Photos lie on both sides of a leaf: light either face.
    if (dot(normal, toEye) < 0.0) normal = -normal;
    float diffuse = max(dot(normal, toLight), 0.0);
    float highlight = pow(max(dot(normal, normalize(toLight + toEye)), 0.0), 60.0);
    vec3 colour = texel.rgb * (0.45 + 0.55 * diffuse) + SpecularCol.rgb * highlight * 0.6;
    FragColour = vec4(min(colour, vec3(1.0)), texel.a);
}
>>>
