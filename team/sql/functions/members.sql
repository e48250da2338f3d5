-- Membership, run by the database's owner through `team member add` and `team member remove`, and what a
-- member asks about itself. The login is made with the SCRAM verifier the client computed, so the password
-- itself never reaches the server.

CREATE OR REPLACE FUNCTION terrovane.team_role() RETURNS name
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$ SELECT value::name FROM terrovane.meta WHERE key = 'team_role' $$;

CREATE OR REPLACE FUNCTION terrovane.server_stamp() RETURNS text
LANGUAGE sql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT lpad(terrovane.now_millis()::text, 15, '0') || '-00000-' ||
           (SELECT value FROM terrovane.meta WHERE key = 'device')
$$;

-- A site given by its id or its name; a name the server does not know yet becomes a new site.
CREATE OR REPLACE FUNCTION terrovane.site_for_member(site_text text) RETURNS uuid
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_id uuid := terrovane.as_uuid(site_text);
BEGIN
    IF found_id IS NOT NULL THEN
        RETURN found_id;
    END IF;
    SELECT id INTO found_id FROM terrovane.fields
        WHERE kind = 'site' AND field = 'name' AND value = to_jsonb(site_text)
        ORDER BY stamp DESC LIMIT 1;
    IF FOUND THEN
        RETURN found_id;
    END IF;
    found_id := gen_random_uuid();
    INSERT INTO terrovane.known_sites (id, created_by) VALUES (found_id, session_user);
    INSERT INTO terrovane.fields (kind, id, field, site, value, stamp, changed_by)
        VALUES ('site', found_id, 'name', found_id, to_jsonb(site_text), terrovane.server_stamp(), session_user);
    RETURN found_id;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.add_member(member name, member_role text, verifier text, sites text[])
RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    existing pg_catalog.pg_roles;
    wanted uuid[];
BEGIN
    IF member_role IS NULL OR member_role NOT IN ('viewer', 'inspector', 'admin') THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('the role is viewer, inspector or admin, not %s', member_role);
    END IF;
    IF member = current_user OR member = session_user THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = 'the schema''s owner cannot be a member';
    END IF;
    SELECT * INTO existing FROM pg_catalog.pg_roles WHERE rolname = member;
    IF FOUND AND (existing.rolsuper OR existing.rolbypassrls) THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('%s is a superuser or passes by row-level security and cannot be a member', member);
    END IF;
    IF NOT FOUND AND verifier IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('%s is a new login and needs a password', member);
    ELSIF NOT FOUND THEN
        EXECUTE format('CREATE ROLE %I LOGIN PASSWORD %L', member, verifier);
    ELSIF verifier IS NOT NULL THEN
        EXECUTE format('ALTER ROLE %I PASSWORD %L', member, verifier);
    END IF;
    IF NOT pg_catalog.pg_has_role(member, terrovane.team_role(), 'MEMBER') THEN
        EXECUTE format('GRANT %I TO %I', terrovane.team_role(), member);
    END IF;
    INSERT INTO terrovane.members (login, role, added_by) VALUES (member, member_role, session_user)
        ON CONFLICT (login) DO UPDATE SET role = EXCLUDED.role;
    SELECT coalesce(array_agg(terrovane.site_for_member(s)), '{}') INTO wanted
        FROM unnest(coalesce(sites, '{}'::text[])) AS s;
    DELETE FROM terrovane.member_sites WHERE login = member AND site <> ALL (wanted);
    -- Only sites new to the member are inserted: each brings its history to the member's next sync.
    INSERT INTO terrovane.member_sites (login, site) SELECT DISTINCT member, w FROM unnest(wanted) AS w
        ON CONFLICT DO NOTHING;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.remove_member(member name) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    DELETE FROM terrovane.members WHERE login = member;
    IF NOT FOUND THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('%s is not a member of the team', member);
    END IF;
    EXECUTE format('REVOKE %I FROM %I', terrovane.team_role(), member);
END
$$;

-- What `team status` shows a member: who it is, its role and sites, and the server's layout.
CREATE OR REPLACE FUNCTION terrovane.whoami(OUT login name, OUT role text, OUT sites bigint, OUT layout integer)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
    SELECT session_user, terrovane.role_of(session_user),
           (SELECT count(*) FROM terrovane.member_sites s WHERE s.login = session_user),
           terrovane.layout()
$$;

-- An archive signs in with its device before it pushes or pulls: the device becomes the login's when it
-- is new. The answer: {"status": "ok", "server": the server's own id, "rights": a digest of the member's
-- role and sites (a change tells the archive to send again what the rights refused)},
-- {"status": "other_login"} or {"status": "layout", "server": N}.
CREATE OR REPLACE FUNCTION terrovane.sign_in(client_layout integer, archive_device uuid) RETURNS jsonb
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    member text;
BEGIN
    IF client_layout IS DISTINCT FROM terrovane.layout() THEN
        RETURN jsonb_build_object('status', 'layout', 'server', terrovane.layout());
    END IF;
    member := terrovane.member_role();
    IF archive_device IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an archive signs in with its device';
    END IF;
    IF terrovane.device_owner(archive_device) <> session_user THEN
        RETURN jsonb_build_object('status', 'other_login');
    END IF;
    RETURN jsonb_build_object(
        'status', 'ok', 'server', (SELECT value FROM terrovane.meta WHERE key = 'device'), 'role', member,
        'rights', md5(member || ':' || array_to_string(terrovane.sites_of(session_user), ',')));
END
$$;

-- A conflict settled on one PC is settled on every PC. Who may write the conflict's site may settle it.
CREATE OR REPLACE FUNCTION terrovane.resolve_conflict(conflict_seq bigint) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    target terrovane.conflicts;
    member text := terrovane.member_role();
BEGIN
    SELECT * INTO target FROM terrovane.conflicts WHERE seq = conflict_seq FOR UPDATE;
    IF NOT FOUND OR NOT (terrovane.may_read(member, terrovane.sites_of(session_user), session_user,
                                            target.site, target.kept_by)
                         OR terrovane.may_read(member, terrovane.sites_of(session_user), session_user,
                                               target.site, target.lost_by)) THEN
        RETURN false;
    END IF;
    IF NOT terrovane.may_write(member, terrovane.sites_of(session_user), target.site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to settle this conflict';
    END IF;
    IF target.resolved_at IS NULL THEN
        PERFORM terrovane.lock_change_log();
        UPDATE terrovane.conflicts SET resolved_by = session_user, resolved_at = now() WHERE seq = conflict_seq;
    END IF;
    RETURN true;
END
$$;
